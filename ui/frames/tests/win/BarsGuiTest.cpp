// The bars in real windows: the status bar with its progress pane, and a
// bar docked, dragged out with the mouse, docked again and brought back
// from the saved layout after its frame was made anew.
#include "framework/Framework.h"
#include "framework/MemoryProfileStore.h"
#include "framework/tests/win/PngWriter.h"
#include "ui/frames/SECCustomStatusBar.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void Pump()
{
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

// Sends idle updates and runs delayed layouts, as the application's idle time does.
void Idle(CFrameWnd* pFrame)
{
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

// A bar of a fixed size that paints itself in one colour.
class CTestBar : public CControlBar
{
public:
    BOOL Create(CWnd* pParent, UINT nID)
    {
        m_dwStyle = CBRS_TOP | CBRS_SIZE_FIXED;
        AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
        return CWnd::Create(_afxWndControlBar, "Test bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(160, 30) : CSize(30, 160); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++m_nUpdates; }
    void DoPaint(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, RGB(40, 120, 200));
    }
    int m_nUpdates = 0;
};

class CTestFrame : public CFrameWnd
{
public:
    CTestBar m_wndBar;
    SECCustomStatusBar m_wndStatusBar;

    BOOL Make()
    {
        if (!Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440)))
            return FALSE;
        static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_CAPS};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!m_wndBar.Create(this, 0xE806))
            return FALSE;
        m_wndBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndBar);
        RecalcLayout();
        return TRUE;
    }
    void PostNcDestroy() override {}   // on the test's stack
};

CRect ClientRectOf(CWnd* pWnd, CWnd* pFrame)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pFrame->ScreenToClient(&rect);
    return rect;
}

// A real drag: the button goes down at ptFrom, the mouse moves in steps to
// ptTo and the button comes up there (screen coordinates).
void DragMouse(CPoint ptFrom, CPoint ptTo)
{
    auto send = [](CPoint pt, DWORD dwFlags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = (LONG)(((long long)pt.x * 65535) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = (LONG)(((long long)pt.y * 65535) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | dwFlags;
        ::SendInput(1, &input, sizeof input);
    };
    send(ptFrom, 0);
    Pump();
    send(ptFrom, MOUSEEVENTF_LEFTDOWN);
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; i++)
        send(CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / kSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / kSteps), 0);
    send(ptTo, MOUSEEVENTF_LEFTUP);
    Pump();
}

CPoint ScreenCentre(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.CenterPoint();
}

struct BarsGui : ::testing::Test
{
    // The mouse goes back where it was, out of the way of later window tests.
    void SetUp() override { ::GetCursorPos(&m_ptCursor); }
    void TearDown() override { ::SetCursorPos(m_ptCursor.x, m_ptCursor.y); }
    POINT m_ptCursor = {0, 0};
    CMemoryProfileStore store;
    CSilentHostServices host{&store};
    CHostServicesScope scope{host};
};

} // namespace

TEST_F(BarsGui, StatusBarTakesTheBottomAndShowsMessages)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    Pump();
    CRect client;
    frame.GetClientRect(&client);
    CRect rcStatus = ClientRectOf(&frame.m_wndStatusBar, &frame);
    EXPECT_EQ(client.bottom, rcStatus.bottom);
    EXPECT_EQ(client.Width(), rcStatus.Width());
    EXPECT_GT(rcStatus.Height(), 10);

    // The frame's prompts reach the message pane through WM_SETTEXT.
    frame.SetMessageText("Import data files from the instrument");
    EXPECT_STREQ("Import data files from the instrument", frame.m_wndStatusBar.GetPaneText(0));
    char buffer[7];
    LRESULT nCopied = frame.m_wndStatusBar.SendMessage(WM_GETTEXT, sizeof buffer, (LPARAM)buffer);
    EXPECT_EQ(6, nCopied) << "the count without the terminator";
    EXPECT_STREQ("Import", buffer);
    EXPECT_EQ(37, frame.m_wndStatusBar.SendMessage(WM_GETTEXTLENGTH));

    // Missing indicator strings show two blanks; unknown ids have no pane.
    EXPECT_STREQ("  ", frame.m_wndStatusBar.GetPaneText(2));
    EXPECT_EQ(-1, frame.m_wndStatusBar.CommandToIndex(4711));
    frame.DestroyWindow();
}

TEST_F(BarsGui, ProgressPaneCoversTheBarAndGivesPaneZeroBack)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    SECCustomStatusBar& bar = frame.m_wndStatusBar;
    bar.SetPaneText(0, "Ready");
    UINT nID, nStyleBefore;
    int cxBefore;
    bar.GetPaneInfo(0, nID, nStyleBefore, cxBefore);

    ASSERT_TRUE(bar.BeginProgress("Scanning files:", 0, 40, TRUE, kPercentProgressStyle, 1));
    SECProgressCtrl* pProgress = bar.GetProgressCtrl();
    ASSERT_NE(nullptr, pProgress);
    EXPECT_TRUE(pProgress->IsWindowVisible());
    EXPECT_STREQ("Scanning files: ", bar.GetPaneText(0));
    CRect rcProgress = ClientRectOf(pProgress, &bar), rcBar;
    bar.GetClientRect(&rcBar);
    EXPECT_EQ(rcBar.right, rcProgress.right);
    EXPECT_GT(rcProgress.left, 20);

    // Prompts do not overwrite the caption while the progress shows.
    frame.SetMessageText("Open a document");
    EXPECT_STREQ("Scanning files: ", bar.GetPaneText(0));
    for (int i = 0; i < 10; i++)
        bar.StepProgress();
    EXPECT_EQ(10u, pProgress->GetPos());
    bar.SetProgressPos(25);
    EXPECT_EQ(25u, pProgress->GetPos());
    Pump();
    WriteWindowPng(frame.m_hWnd, "ui_frames_progress.png");

    // The control follows the frame's width.
    frame.SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    bar.GetClientRect(&rcBar);
    EXPECT_EQ(rcBar.right, ClientRectOf(pProgress, &bar).right);

    // A second begin keeps the control and the first saved pane; the step
    // of 10 is given to the reused control too.
    ASSERT_TRUE(bar.BeginProgress("Reading protocol:", 0, 100, TRUE, kPercentProgressStyle, 10));
    EXPECT_EQ(pProgress, bar.GetProgressCtrl());
    bar.StepProgress();
    EXPECT_EQ(10u, pProgress->GetPos());

    bar.EndProgress();
    EXPECT_EQ(nullptr, bar.GetProgressCtrl());
    EXPECT_STREQ("Ready", bar.GetPaneText(0));
    UINT nStyleAfter;
    int cxAfter;
    bar.GetPaneInfo(0, nID, nStyleAfter, cxAfter);
    EXPECT_EQ(cxBefore, cxAfter);
    EXPECT_EQ(nStyleBefore & SBPS_STRETCH, nStyleAfter & SBPS_STRETCH);
    frame.SetMessageText("Open a document");
    EXPECT_STREQ("Open a document", bar.GetPaneText(0));
    bar.EndProgress();   // nothing to end: harmless

    // Without a caption the control covers the whole bar and pane 0 stays.
    ASSERT_TRUE(bar.BeginProgress(nullptr, 0, 5, TRUE, kPercentProgressStyle, 1));
    EXPECT_EQ(0, ClientRectOf(bar.GetProgressCtrl(), &bar).left);
    EXPECT_STREQ("Open a document", bar.GetPaneText(0));
    bar.EndProgress();
    frame.DestroyWindow();
}

TEST_F(BarsGui, BarDocksFloatsByDragAndDocksBack)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    // Above anything else on the display while the mouse drags.
    frame.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frame.SetForegroundWindow();
    Pump();
    CDockBar* pTop = (CDockBar*)frame.GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(nullptr, pTop);
    ASSERT_EQ(pTop, frame.m_wndBar.m_pDockBar);
    EXPECT_EQ(CRect(0, 0, 160, 30), ClientRectOf(&frame.m_wndBar, pTop));
    CRect rcTop = ClientRectOf(pTop, &frame);
    EXPECT_EQ(30, rcTop.Height());

    // Idle time reaches the docked bar's update.
    int nUpdates = frame.m_wndBar.m_nUpdates;
    Idle(&frame);
    EXPECT_GT(frame.m_wndBar.m_nUpdates, nUpdates);

    // Out into the middle of the frame: it floats there.
    CRect rcClient;
    frame.GetClientRect(&rcClient);
    frame.ClientToScreen(&rcClient);
    CPoint ptMiddle = rcClient.CenterPoint();
    DragMouse(ScreenCentre(&frame.m_wndBar), ptMiddle);
    ASSERT_TRUE(frame.m_wndBar.IsFloating());
    auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(frame.m_wndBar.GetParentFrame());
    ASSERT_NE(nullptr, pMini);
    EXPECT_TRUE(pMini->IsWindowVisible());
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    EXPECT_TRUE(rcMini.PtInRect(ptMiddle));
    EXPECT_EQ(0, ClientRectOf(pTop, &frame).Height()) << "the top dock bar is empty now";
    Pump();
    WriteWindowPng(frame.m_hWnd, "ui_frames_floating.png");

    // By its caption back to the top edge: docked again.
    CPoint ptCaption(rcMini.left + 20, rcMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1);
    DragMouse(ptCaption, CPoint(rcClient.left + 60, rcClient.top - 4));
    EXPECT_FALSE(frame.m_wndBar.IsFloating());
    EXPECT_EQ(pTop, frame.m_wndBar.m_pDockBar);
    Pump();
    EXPECT_FALSE(::IsWindow(pMini->GetSafeHwnd())) << "the empty floating frame is gone";
    EXPECT_EQ(30, ClientRectOf(pTop, &frame).Height());

    // A double click floats it where it floated last; another docks it back.
    frame.m_wndBar.m_pDockContext->ToggleDocking();
    EXPECT_TRUE(frame.m_wndBar.IsFloating());
    frame.m_wndBar.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(frame.m_wndBar.IsFloating());
    frame.DestroyWindow();
}

TEST_F(BarsGui, LayoutComesBackAfterARestart)
{
    CPoint ptFloat;
    {
        CTestFrame frame;
        ASSERT_TRUE(frame.Make());
        frame.FloatControlBar(&frame.m_wndBar, CPoint(200, 220));
        CRect rcMini;
        frame.m_wndBar.GetParentFrame()->GetWindowRect(&rcMini);
        ptFloat = rcMini.TopLeft();
        frame.SaveBarState("Layout");
        frame.DestroyWindow();
    }
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    EXPECT_FALSE(frame.m_wndBar.IsFloating()) << "docked before the state is loaded";
    frame.LoadBarState("Layout");
    Pump();
    ASSERT_TRUE(frame.m_wndBar.IsFloating());
    CRect rcMini;
    frame.m_wndBar.GetParentFrame()->GetWindowRect(&rcMini);
    EXPECT_EQ(ptFloat, rcMini.TopLeft());
    EXPECT_TRUE(frame.m_wndBar.GetParentFrame()->IsWindowVisible());
    frame.DestroyWindow();
}

TEST_F(BarsGui, StrangeStoredLayoutStillGivesAUsableWindow)
{
    // Bars that no longer exist, a floating frame far off the screen, and
    // a screen size of nothing.
    store.WriteInt("Odd-Summary", "Bars", 2);
    store.WriteInt("Odd-Summary", "ScreenCX", 0);
    store.WriteInt("Odd-Summary", "ScreenCY", 0);
    store.WriteInt("Odd-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP);
    store.WriteInt("Odd-Bar0", "Bars", 4);
    store.WriteInt("Odd-Bar0", "Bar#1", 999);
    store.WriteInt("Odd-Bar0", "Bar#2", 0);
    store.WriteInt("Odd-Bar1", "BarID", AFX_IDW_DOCKBAR_FLOAT);
    store.WriteInt("Odd-Bar1", "Floating", 1);
    store.WriteInt("Odd-Bar1", "XPos", -30000);
    store.WriteInt("Odd-Bar1", "YPos", 90000);
    store.WriteInt("Odd-Bar1", "Bars", 3);
    store.WriteInt("Odd-Bar1", "Bar#1", 0xE806);

    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.LoadBarState("Odd");
    Pump();
    ASSERT_TRUE(frame.m_wndBar.IsFloating());
    CWnd* pMini = frame.m_wndBar.GetParentFrame();
    CRect rcMini, rcScreen(0, 0, ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    pMini->GetWindowRect(&rcMini);
    CRect rcSeen;
    EXPECT_TRUE(rcSeen.IntersectRect(&rcMini, &rcScreen)) << "kept on the screen";
    EXPECT_TRUE(pMini->IsWindowVisible());
    frame.DestroyWindow();
}

TEST_F(BarsGui, DelayedShowWaitsForTheIdleLayout)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    CControlBar* pTop = frame.GetControlBar(AFX_IDW_DOCKBAR_TOP);
    frame.ShowControlBar(&frame.m_wndBar, FALSE, TRUE);
    EXPECT_TRUE(frame.m_wndBar.IsWindowVisible()) << "not before the layout";
    EXPECT_FALSE(frame.m_wndBar.IsVisible());
    Idle(&frame);
    EXPECT_FALSE(frame.m_wndBar.IsWindowVisible());
    EXPECT_EQ(0, ClientRectOf(pTop, &frame).Height());
    frame.ShowControlBar(&frame.m_wndBar, TRUE, TRUE);
    Idle(&frame);
    EXPECT_TRUE(frame.m_wndBar.IsWindowVisible());
    EXPECT_EQ(30, ClientRectOf(pTop, &frame).Height());

    // View > Status Bar.
    EXPECT_TRUE(frame.OnBarCheck(AFX_IDW_STATUS_BAR));
    EXPECT_FALSE(frame.m_wndStatusBar.IsWindowVisible());
    EXPECT_TRUE(frame.OnBarCheck(AFX_IDW_STATUS_BAR));
    EXPECT_TRUE(frame.m_wndStatusBar.IsWindowVisible());
    frame.DestroyWindow();
}

namespace {

class CDialogBarFrame : public CFrameWnd
{
public:
    CDialogBar m_wndDialogBar;
    int m_nGo = 0;
    CString m_strText;

    BOOL Make()
    {
        if (!Create(nullptr, "Dialog bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 560, 360)))
            return FALSE;
        if (!m_wndDialogBar.Create(this, 500, CBRS_TOP | WS_VISIBLE, 0xE807))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        m_wndDialogBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        DockControlBar(&m_wndDialogBar);
        RecalcLayout();
        return TRUE;
    }
    void OnGo() { ++m_nGo; }
    void OnUpdateGo(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nGo < 2); }
    void PostNcDestroy() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDialogBarFrame, CFrameWnd)
    ON_COMMAND(1001, OnGo)
    ON_UPDATE_COMMAND_UI(1001, OnUpdateGo)
END_MESSAGE_MAP()

} // namespace

TEST_F(BarsGui, DialogBarSendsItsCommandsToTheFrameAndFollowsUpdates)
{
    CDialogBarFrame frame;
    ASSERT_TRUE(frame.Make());
    Pump();
    CDockBar* pTop = (CDockBar*)frame.GetControlBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(pTop, frame.m_wndDialogBar.m_pDockBar);
    CRect rcBar = ClientRectOf(&frame.m_wndDialogBar, pTop);
    EXPECT_EQ(frame.m_wndDialogBar.m_sizeDefault, rcBar.Size());
    EXPECT_FALSE(frame.m_wndDialogBar.GetStyle() & WS_CAPTION);

    HWND hGo = ::GetDlgItem(frame.m_wndDialogBar.m_hWnd, 1001);
    ::SendMessageA(hGo, BM_CLICK, 0, 0);
    ::SendMessageA(hGo, BM_CLICK, 0, 0);
    EXPECT_EQ(2, frame.m_nGo);

    // Idle time: the handler disables "Go"; "Idle" has no handler at all.
    Idle(&frame);
    EXPECT_FALSE(::IsWindowEnabled(hGo));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(frame.m_wndDialogBar.m_hWnd, 1003)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(frame.m_wndDialogBar.m_hWnd, 1002))) << "edits stay";
    frame.DestroyWindow();
}

namespace {

class CSecBarFrame : public CFrameWnd
{
public:
    SECControlBar m_wndBar;
    CWnd m_wndChild;

    BOOL Make()
    {
        if (!Create(nullptr, "SEC bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(80, 80, 580, 380)))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        DWORD dwExStyle = EXSTYLE_GRIPPER | EXSTYLE_HIDE_BUTTON | EXSTYLE_EXPAND_BUTTON | EXSTYLE_CONTEXT_MENU |
                          EXSTYLE_FILL_CHILD;
        if (!m_wndBar.Create(this, "Panel", WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS, dwExStyle, 0xE808))
            return FALSE;
        m_wndBar.m_szHorz = CSize(200, 40);
        if (!m_wndChild.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, CRect(0, 0, 10, 10), &m_wndBar, 1))
            return FALSE;
        m_wndBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndBar);
        RecalcLayout();
        return TRUE;
    }
    void PostNcDestroy() override {}
};

} // namespace

TEST_F(BarsGui, GripperHideButtonAndFillChild)
{
    CSecBarFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frame.SetForegroundWindow();
    Pump();
    ASSERT_TRUE(frame.m_wndBar.IsDocked());
    CRect rcChild = ClientRectOf(&frame.m_wndChild, &frame.m_wndBar);
    CRect rcClient;
    frame.m_wndBar.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(kGripperSize, kGripperInset, rcClient.right - kGripperInset, rcClient.bottom - kGripperInset), rcChild)
        << "beside the gripper";
    Pump();
    WriteWindowPng(frame.m_hWnd, "ui_frames_gripper.png");

    // The hide button, pressed and released with the mouse.
    CPoint ptHide = frame.m_wndBar.m_rcHideBtn.CenterPoint();
    ASSERT_FALSE(frame.m_wndBar.m_rcHideBtn.IsRectEmpty());
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(1024, frame.m_wndBar.OnToolHitTest(ptHide, &ti));
    EXPECT_STREQ("Hide docked window", ti.lpszText);
    frame.m_wndBar.ClientToScreen(&ptHide);
    DragMouse(ptHide, ptHide);
    EXPECT_FALSE(frame.m_wndBar.IsWindowVisible());
    frame.ShowControlBar(&frame.m_wndBar, TRUE, FALSE);

    // Floating: no gripper, the child fills the bar, no tips for the buttons.
    frame.FloatControlBar(&frame.m_wndBar, CPoint(200, 200));
    Pump();
    frame.m_wndBar.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient, ClientRectOf(&frame.m_wndChild, &frame.m_wndBar));
    EXPECT_NE(1024, frame.m_wndBar.OnToolHitTest(frame.m_wndBar.m_rcHideBtn.CenterPoint(), &ti));

    // "Allow Docking" twice gives the docking sides back.
    frame.m_wndBar.SendMessage(WM_COMMAND, ID_SEC_ALLOW_DOCKING);
    EXPECT_EQ(0u, frame.m_wndBar.m_dwDockStyle & CBRS_ALIGN_ANY);
    frame.m_wndBar.SendMessage(WM_COMMAND, ID_SEC_ALLOW_DOCKING);
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, frame.m_wndBar.m_dwDockStyle & CBRS_ALIGN_ANY);
    frame.DestroyWindow();
}

TEST_F(BarsGui, PaneWindowsAndExtendedPaneInfo)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    SECCustomStatusBar& bar = frame.m_wndStatusBar;
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 10), &bar, 7));
    bar.SetPaneControl(1, &edit, 0, SBP_CTRL_INSET);
    bar.RepositionPaneControls();
    CRect rcPane, rcEdit = ClientRectOf(&edit, &bar);
    bar.GetPaneRect(1, &rcPane);
    rcPane.DeflateRect(1, 1);
    EXPECT_EQ(rcPane, rcEdit);
    EXPECT_EQ(1, bar.PaneFromPoint(rcEdit.CenterPoint()));
    EXPECT_EQ(&edit, bar.GetPaneControl(1));
    EXPECT_EQ((UINT)SBP_CTRL_INSET, bar.GetPaneControlFlags(1));

    // Pane windows hide under a progress and come back after it.
    bar.BeginProgress("Working:", 0, 3, TRUE, kPercentProgressStyle, 1);
    EXPECT_FALSE(edit.IsWindowVisible());
    bar.EndProgress();
    EXPECT_TRUE(edit.IsWindowVisible());

    PaneInfoEx info;
    info.nIndex = 0;
    info.nMask = SBP_TEXT | SBP_TEXTCOLOR | SBP_TEXTALIGN;
    info.strText = "Right";
    info.crText = RGB(200, 0, 0);
    info.nAlign = TA_RIGHT;
    bar.SetPaneInfoEx(&info, FALSE);
    PaneInfoEx back;
    back.nIndex = 0;
    back.nMask = SBP_TEXT | SBP_TEXTCOLOR | SBP_TEXTALIGN | SBP_STYLE;
    bar.GetPaneInfoEx(&back);
    EXPECT_STREQ("Right", back.strText);
    EXPECT_EQ(RGB(200, 0, 0), back.crText);
    EXPECT_EQ((UINT)TA_RIGHT, back.nAlign);
    EXPECT_TRUE(back.nStyle & SBPS_OWNERDRAW);
    Pump();
    frame.DestroyWindow();
}

TEST_F(BarsGui, FloatingFrameAndItsOwnerLookActiveTogether)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.FloatControlBar(&frame.m_wndBar, CPoint(300, 300));
    auto* pMini = dynamic_cast<CMiniFrameWnd*>(frame.m_wndBar.GetParentFrame());
    ASSERT_NE(nullptr, pMini);
    frame.SetActiveWindow();
    Pump();
    EXPECT_TRUE(pMini->IsActiveLook());

    pMini->SetActiveWindow();
    Pump();
    EXPECT_TRUE(frame.m_nFlags & WF_STAYACTIVE) << "the frame keeps its active caption";
    EXPECT_TRUE(pMini->IsActiveLook());

    frame.SetActiveWindow();
    Pump();
    EXPECT_FALSE(frame.m_nFlags & WF_STAYACTIVE);
    EXPECT_TRUE(pMini->IsActiveLook());

    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(700, 100, 800, 200), nullptr, 0));
    other.SetActiveWindow();
    Pump();
    EXPECT_FALSE(frame.m_nFlags & WF_STAYACTIVE);
    EXPECT_FALSE(pMini->IsActiveLook());
    other.DestroyWindow();
    frame.DestroyWindow();
}

TEST_F(BarsGui, FloatingBarResizesByItsBorder)
{
    CSecBarFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.m_wndBar.SetBarStyle(frame.m_wndBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    frame.m_wndBar.m_szFloat = CSize(200, 60);
    frame.FloatControlBar(&frame.m_wndBar, CPoint(150, 150));
    CWnd* pMini = frame.m_wndBar.GetParentFrame();
    pMini->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    CRect rcBar;
    frame.m_wndBar.GetWindowRect(&rcBar);
    EXPECT_EQ(CSize(200, 60), rcBar.Size());

    // The right border, dragged 60 pixels further right.
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    CPoint ptBorder(rcMini.right - 2, rcMini.CenterPoint().y);
    ASSERT_EQ(HTRIGHT, pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptBorder.x, ptBorder.y)));
    DragMouse(ptBorder, ptBorder + CSize(60, 0));
    EXPECT_EQ(260, frame.m_wndBar.m_szFloat.cx);
    frame.m_wndBar.GetWindowRect(&rcBar);
    EXPECT_EQ(260, rcBar.Width());
    frame.DestroyWindow();
}

TEST_F(BarsGui, BarDroppedBetweenRowsOpensARowThere)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Make());
    CTestBar second, third;
    ASSERT_TRUE(second.Create(&frame, 0xE809));
    ASSERT_TRUE(third.Create(&frame, 0xE80A));
    second.EnableDocking(CBRS_ALIGN_ANY);
    third.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&second);   // a row of its own under the first
    frame.RecalcLayout();
    auto* pTop = (CDockBar*)frame.GetControlBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(60, ClientRectOf(pTop, &frame).Height());

    // Dropped with its top edge just above the boundary of the two rows.
    CRect rcDrop(CPoint(40, 26), CSize(160, 30));
    pTop->ClientToScreen(&rcDrop);
    frame.DockControlBar(&third, pTop, &rcDrop);
    frame.RecalcLayout();
    ASSERT_EQ(7, pTop->m_arrBars.GetSize());
    EXPECT_EQ(&frame.m_wndBar, pTop->m_arrBars[1]);
    EXPECT_EQ(&third, pTop->m_arrBars[3]) << "the new row lies between the two";
    EXPECT_EQ(&second, pTop->m_arrBars[5]);
    EXPECT_EQ(CRect(40, 30, 200, 60), ClientRectOf(&third, pTop));
    EXPECT_EQ(90, ClientRectOf(pTop, &frame).Height());
    frame.DestroyWindow();
}
