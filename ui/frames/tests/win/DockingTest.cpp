// Docking under Wine, driven by real mouse drags: two bars share the top
// dock row, the splitter between them moves, one bar is dragged off to
// float and back to dock, and the layout comes back after a restart (a
// new frame reading the saved bar state); a bar floats in an MDI child of
// the frame and docks back. Screenshots of each stage.
#include "framework/Framework.h"
#include "app/tests/Screenshot.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDialogBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECMiniDockFrameWnd.h"
#include "ui/frames/SECToolBarRectTracker.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class CDockTestApp : public CWinApp
{
public:
    CDockTestApp() { SetRegistryKey("G7K Frames Tests"); }
};
CDockTestApp theApp;

const UINT kBarA = 0xE900;
const UINT kBarB = 0xE901;
const char kProfile[] = "DockingTest";

void Pump(int nMilliseconds = 0)
{
    const DWORD dwEnd = ::GetTickCount() + (DWORD)nMilliseconds;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            if (!theApp.PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (nMilliseconds > 0)
            ::Sleep(10);
    } while ((LONG)(::GetTickCount() - dwEnd) < 0);
}

void SendMouse(DWORD dwFlags, CPoint pt)
{
    ::SetCursorPos(pt.x, pt.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}

// A real drag: press at one screen point, move there in steps, release.
// The drag loops hold the capture until the release has been read.
void Drag(CPoint ptFrom, CPoint ptTo)
{
    SendMouse(0, ptFrom);
    Pump(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        SendMouse(0, ptFrom + CSize((ptTo.x - ptFrom.x) * i / kSteps, (ptTo.y - ptFrom.y) * i / kSteps));
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    Pump(300);
    for (int i = 0; i < 50 && ::GetCapture() != nullptr; ++i)
        Pump(50);
    Pump(100);
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

class CDockFrame : public SECMDIFrameWnd
{
public:
    SECControlBar m_barA;
    SECControlBar m_barB;

    BOOL Build()
    {
        if (!Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 800, 560)))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
        const DWORD dwExStyle = EXSTYLE_GRIPPER | EXSTYLE_CONTEXT_MENU;
        if (!m_barA.Create(this, "Bar A", dwStyle, dwExStyle, kBarA) ||
            !m_barB.Create(this, "Bar B", dwStyle, dwExStyle, kBarB))
            return FALSE;
        m_barA.m_szHorz = m_barB.m_szHorz = CSize(200, 60);
        m_barA.EnableDocking(CBRS_ALIGN_ANY);
        m_barB.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_barA, AFX_IDW_DOCKBAR_TOP);
        if (auto* pTop = dynamic_cast<SECDockBar*>(GetControlBar(AFX_IDW_DOCKBAR_TOP)))
            pTop->DockControlBarAt(&m_barB, 1, 0);
        ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        RecalcLayout();
        UpdateWindow();
        Pump(200);
        return TRUE;
    }
};

// The frame deletes itself when its window goes.
CDockFrame* NewFrame()
{
    auto* pFrame = new CDockFrame;
    if (!pFrame->Build()) {
        if (pFrame->m_hWnd)
            pFrame->DestroyWindow();
        return nullptr;
    }
    theApp.m_pMainWnd = pFrame;
    return pFrame;
}

void Shot(CWnd* pWnd, const char* pszName)
{
    const char* pszDir = ::getenv("G7K_BINARY_DIR");
    const std::string strPath = std::string(pszDir ? pszDir : ".") + "/ui_frames_" + pszName + ".bmp";
    SaveWindowBitmap(pWnd->m_hWnd, strPath.c_str());
}

SECDockBar* TopDockBar(CFrameWnd* pFrame)
{
    return dynamic_cast<SECDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
}

TEST(Docking, BarsShareARowAndTheSplitterMovesTheBorder)
{
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECDockBar* pTop = TopDockBar(pFrame);
    ASSERT_NE(nullptr, pTop);
    EXPECT_EQ(pTop, pFrame->m_barA.m_pDockBar);
    EXPECT_EQ(pTop, pFrame->m_barB.m_pDockBar);
    int nRowA = -1, nRowB = -1, nColB = -1;
    ASSERT_TRUE(pTop->GetBarPosition(&pFrame->m_barA, &nRowA, nullptr, nullptr));
    ASSERT_TRUE(pTop->GetBarPosition(&pFrame->m_barB, &nRowB, &nColB, nullptr));
    EXPECT_EQ(nRowA, nRowB);
    EXPECT_EQ(1, nColB);

    // Half each, one splitter between them, the row as long as the dock bar.
    CRect rcA = WindowRect(&pFrame->m_barA), rcB = WindowRect(&pFrame->m_barB), rcTop = WindowRect(pTop);
    EXPECT_EQ(rcA.top, rcB.top);
    EXPECT_EQ(rcB.left, rcA.right + SECDockRows::kSplitter);
    EXPECT_EQ(rcTop.right, rcB.right);
    EXPECT_NEAR(rcA.Width(), rcB.Width(), 2);
    EXPECT_NEAR(0.5f, pFrame->m_barA.m_fPctWidth, 0.01f);
    Shot(pFrame, "shared_row");

    // Drag the splitter 80 pixels right: A grows, B gives the room.
    const CPoint ptSplitter(rcA.right + 3, rcA.CenterPoint().y);
    Drag(ptSplitter, ptSplitter + CSize(80, 0));
    pFrame->RecalcLayout();
    Pump(100);
    const CRect rcA2 = WindowRect(&pFrame->m_barA), rcB2 = WindowRect(&pFrame->m_barB);
    EXPECT_NEAR(rcA.Width() + 80, rcA2.Width(), 3);
    EXPECT_NEAR(rcB.Width() - 80, rcB2.Width(), 3);
    EXPECT_GT(pFrame->m_barA.m_fPctWidth, pFrame->m_barB.m_fPctWidth);

    // Expanding B leaves A at the smallest share; contracting evens them.
    pTop->ExpandBar(&pFrame->m_barB, 1);
    EXPECT_TRUE(pTop->IsBarExpanded(&pFrame->m_barB));
    pTop->ExpandBar(&pFrame->m_barB, 2);
    EXPECT_NEAR(0.5f, pFrame->m_barA.m_fPctWidth, 0.01f);
    pFrame->DestroyWindow();
    Pump();
}

TEST(Docking, ABarFloatsDocksAgainAndComesBackAfterARestart)
{
    theApp.GetProfileStore().WriteString("DockingTest-Summary", nullptr, nullptr);
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECDockBar* pTop = TopDockBar(pFrame);

    // Drag A by its body to the middle of the frame: it floats there.
    CRect rcA = WindowRect(&pFrame->m_barA);
    const CPoint ptGrab(rcA.left + 40, rcA.CenterPoint().y);
    const CRect rcFrame = WindowRect(pFrame);
    Drag(ptGrab, CPoint(rcFrame.CenterPoint().x, rcFrame.CenterPoint().y + 60));
    ASSERT_TRUE(pFrame->m_barA.IsFloating());
    EXPECT_EQ(pTop, pFrame->m_barB.m_pDockBar);
    // B has the row to itself now.
    EXPECT_EQ(WindowRect(pTop).Width(), WindowRect(&pFrame->m_barB).Width());
    Shot(pFrame, "floating");

    // A click on the floating bar's caption without moving leaves it floating.
    CWnd* pFloatFrame = pFrame->m_barA.GetParentFrame();
    ASSERT_NE(nullptr, pFloatFrame);
    CRect rcFloat = WindowRect(pFloatFrame);
    const CPoint ptCaption(rcFloat.left + 30, rcFloat.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2);
    Drag(ptCaption, ptCaption + CSize(2, 1));
    EXPECT_TRUE(pFrame->m_barA.IsFloating());

    // Dragged by its caption onto the top row, it docks again.
    rcFloat = WindowRect(pFrame->m_barA.GetParentFrame());
    const CRect rcB = WindowRect(&pFrame->m_barB);
    const CPoint ptCaption2(rcFloat.left + 30, rcFloat.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2);
    Drag(ptCaption2, CPoint(rcB.left + 20, rcB.CenterPoint().y));
    EXPECT_FALSE(pFrame->m_barA.IsFloating());
    EXPECT_EQ(pTop, pFrame->m_barA.m_pDockBar);
    Shot(pFrame, "docked_again");

    // Float it once more, then save and close.
    rcA = WindowRect(&pFrame->m_barA);
    Drag(CPoint(rcA.left + 40, rcA.CenterPoint().y), CPoint(rcFrame.left + 200, rcFrame.top + 300));
    ASSERT_TRUE(pFrame->m_barA.IsFloating());
    const CRect rcFloating = WindowRect(pFrame->m_barA.GetParentFrame());
    pFrame->SaveBarState(kProfile);
    pFrame->DestroyWindow();
    Pump(100);

    // A new frame with the same bars takes the saved layout.
    CDockFrame* pAgain = NewFrame();
    ASSERT_NE(nullptr, pAgain);
    pAgain->LoadBarState(kProfile);
    Pump(200);
    EXPECT_TRUE(pAgain->m_barA.IsFloating());
    EXPECT_FALSE(pAgain->m_barB.IsFloating());
    if (pAgain->m_barA.IsFloating()) {
        const CRect rcRestored = WindowRect(pAgain->m_barA.GetParentFrame());
        EXPECT_NEAR(rcFloating.left, rcRestored.left, 4);
        EXPECT_NEAR(rcFloating.top, rcRestored.top, 4);
    }
    Shot(pAgain, "restored");
    pAgain->DestroyWindow();
    Pump();
}

TEST(Docking, AStoredLayoutThatNoLongerFitsStillGivesAUsableWindow)
{
    // A layout from a larger screen, naming a bar that is gone and a class
    // that is no control bar: the known bars come back on the screen.
    CProfileStore& store = theApp.GetProfileStore();
    store.WriteString("Stale-Summary", nullptr, nullptr);
    store.WriteInt("Stale-Summary", "Bars", 3);
    store.WriteInt("Stale-Summary", "ScreenCX", 5000);
    store.WriteInt("Stale-Summary", "ScreenCY", 4000);
    store.WriteInt("Stale-Bar0", "BarID", 0x7777);
    store.WriteString("Stale-Bar0", "ClassName", "CDocument");
    store.WriteInt("Stale-Bar1", "BarID", AFX_IDW_DOCKBAR_FLOAT);
    store.WriteInt("Stale-Bar1", "Floating", 1);
    store.WriteInt("Stale-Bar1", "XPos", 4800);
    store.WriteInt("Stale-Bar1", "YPos", 3900);
    store.WriteInt("Stale-Bar1", "Bars", 2);
    store.WriteInt("Stale-Bar1", "Bar#0", 0);
    store.WriteInt("Stale-Bar1", "Bar#1", kBarA);
    store.WriteInt("Stale-Bar2", "BarID", kBarA);
    store.WriteInt("Stale-Bar2", "Floating", 1);

    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->LoadBarState("Stale");
    Pump(200);
    EXPECT_EQ(nullptr, pFrame->GetControlBar(0x7777));
    ASSERT_TRUE(pFrame->m_barA.IsFloating());
    const CRect rcFloat = WindowRect(pFrame->m_barA.GetParentFrame());
    EXPECT_LT(rcFloat.left, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LT(rcFloat.top, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(pFrame->m_barB.IsFloating());
    pFrame->DestroyWindow();
    Pump();
}

// The bar's context menu as the frame extends it.
struct BarMenu
{
    UINT nAllowDocking = 0;   // menu state of "Allow Docking"
    UINT nFloat = (UINT)-1;   // of "Float In Main Window", -1 when absent
    std::string strFloat;
};

BarMenu ExtendedMenu(CFrameWnd* pFrame, SECControlBar* pBar)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_SEC_ALLOW_DOCKING, "Allow Docking");
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE, "Hide");
    pFrame->SendMessage(WM_SEC_EXTEND_CONTEXT_MENU, (WPARAM)pBar, (LPARAM)&menu);
    BarMenu result;
    result.nAllowDocking = menu.GetMenuState(ID_SEC_ALLOW_DOCKING, MF_BYCOMMAND);
    result.nFloat = menu.GetMenuState(ID_SEC_FLOAT_IN_MAIN_WND, MF_BYCOMMAND);
    char szText[64] = "";
    ::GetMenuStringA(menu.m_hMenu, ID_SEC_FLOAT_IN_MAIN_WND, szText, sizeof szText, MF_BYCOMMAND);
    result.strFloat = szText;
    return result;
}

TEST(Docking, ABarFloatsInTheMainWindowAndDocksBack)
{
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECDockBar* pTop = TopDockBar(pFrame);
    SECControlBar& bar = pFrame->m_barA;
    bar.ModifyExtendedStyle(0, EXSTYLE_MDI_FLOAT);

    // Only a bar with the ex-style is offered the entry; unchecked while docked.
    EXPECT_EQ((UINT)-1, ExtendedMenu(pFrame, &pFrame->m_barB).nFloat);
    BarMenu docked = ExtendedMenu(pFrame, &bar);
    ASSERT_NE((UINT)-1, docked.nFloat);
    EXPECT_EQ("Float In Main Window", docked.strFloat);
    EXPECT_EQ(0u, docked.nFloat & MF_CHECKED);
    EXPECT_EQ(0u, docked.nAllowDocking & MF_GRAYED);

    bar.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(200);
    auto* pChild = dynamic_cast<SECControlBarMDIChildWnd*>(bar.GetMDIFloatingFrame());
    ASSERT_NE(nullptr, pChild);
    const HWND hChild = pChild->m_hWnd;
    EXPECT_EQ(pFrame->m_hWndMDIClient, ::GetParent(hChild));
    EXPECT_TRUE(::IsWindowVisible(hChild));
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(&bar, pChild->GetSingleBar());
    EXPECT_EQ(WindowRect(pTop).Width(), WindowRect(&pFrame->m_barB).Width()) << "B has the row to itself";
    BarMenu floating = ExtendedMenu(pFrame, &bar);
    EXPECT_EQ((UINT)MF_CHECKED, floating.nFloat & MF_CHECKED);
    EXPECT_EQ((UINT)MF_GRAYED, floating.nAllowDocking & MF_GRAYED);
    Shot(pFrame, "mdi_float");

    // Toggled again it docks back beside B and the child goes.
    bar.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(200);
    EXPECT_EQ(pTop, bar.m_pDockBar);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_FALSE(::IsWindow(hChild));
    int nRowA = -1, nRowB = -1;
    ASSERT_TRUE(pTop->GetBarPosition(&bar, &nRowA, nullptr, nullptr));
    ASSERT_TRUE(pTop->GetBarPosition(&pFrame->m_barB, &nRowB, nullptr, nullptr));
    EXPECT_EQ(nRowA, nRowB);
    EXPECT_FALSE(pFrame->IsTogglingMDIFloat());
    pFrame->DestroyWindow();
    Pump();
}

TEST(Docking, ABarFloatingInTheMainWindowComesBackThereAfterARestart)
{
    theApp.GetProfileStore().WriteString("MDIFloat-Summary", nullptr, nullptr);
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->m_barA.ModifyExtendedStyle(0, EXSTYLE_MDI_FLOAT);
    pFrame->m_barA.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(200);
    CWnd* pChild = pFrame->m_barA.GetMDIFloatingFrame();
    ASSERT_NE(nullptr, pChild);
    pChild->SetWindowPos(nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect rcChild = WindowRect(pChild);
    pFrame->SaveBarState("MDIFloat");
    pFrame->DestroyWindow();
    Pump(100);

    CDockFrame* pAgain = NewFrame();
    ASSERT_NE(nullptr, pAgain);
    pAgain->LoadBarState("MDIFloat");
    Pump(200);
    CWnd* pRestored = pAgain->m_barA.GetMDIFloatingFrame();
    ASSERT_NE(nullptr, pRestored);
    EXPECT_TRUE(pRestored->IsWindowVisible());
    EXPECT_NEAR(rcChild.left, WindowRect(pRestored).left, 4);
    EXPECT_NEAR(rcChild.top, WindowRect(pRestored).top, 4);
    EXPECT_FALSE(pAgain->m_barB.IsFloating());
    Shot(pAgain, "mdi_float_restored");

    // It still docks back from there.
    pAgain->m_barA.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(200);
    EXPECT_EQ(TopDockBar(pAgain), pAgain->m_barA.m_pDockBar);
    pAgain->DestroyWindow();
    Pump();
}

TEST(Docking, AFloatingBarGoesBackToAFloatingFrameAndClosingItsChildHidesIt)
{
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECControlBar& bar = pFrame->m_barA;
    bar.ModifyExtendedStyle(0, EXSTYLE_MDI_FLOAT);
    bar.m_pDockContext->ToggleDocking();
    Pump(100);
    ASSERT_TRUE(bar.IsFloating());
    ASSERT_EQ(nullptr, bar.GetMDIFloatingFrame());

    // Closing the child hides the bar with it; showing the bar shows both.
    bar.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(100);
    CWnd* pChild = bar.GetMDIFloatingFrame();
    ASSERT_NE(nullptr, pChild);
    pChild->SendMessage(WM_CLOSE);
    Pump(100);
    ASSERT_TRUE(::IsWindow(bar.m_hWnd));
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(pChild->IsWindowVisible());
    pFrame->ShowControlBar(&bar, TRUE, FALSE);
    Pump(100);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(pChild->IsWindowVisible());

    // It floated before, so it goes back to a floating frame.
    bar.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN_WND);
    Pump(100);
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(nullptr, bar.GetMDIFloatingFrame());
    EXPECT_NE(nullptr, dynamic_cast<CMiniDockFrameWnd*>(bar.GetParentFrame()));
    pFrame->DestroyWindow();
    Pump();
}

// A floating frame laid out at a point keeps the size its bars give it and
// puts its top-left there.
TEST(Docking, AFloatingFrameLaysOutAtAPoint)
{
    theApp.GetProfileStore().WriteString("DockingTest-Summary", nullptr, nullptr);
    CDockFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    const CRect rcFrame = WindowRect(pFrame);
    pFrame->FloatControlBar(&pFrame->m_barA, CPoint(rcFrame.left + 120, rcFrame.top + 200));
    Pump(100);
    auto* pMini = dynamic_cast<SECMiniDockFrameWnd*>(pFrame->m_barA.GetParentFrame());
    ASSERT_NE(nullptr, pMini);
    const CRect rcBefore = WindowRect(pMini);
    pMini->RecalcLayoutAt(rcFrame.left + 40, rcFrame.top + 90);
    Pump();
    const CRect rcAfter = WindowRect(pMini);
    EXPECT_EQ(CPoint(rcFrame.left + 40, rcFrame.top + 90), rcAfter.TopLeft());
    EXPECT_EQ(rcBefore.Size(), rcAfter.Size());
    pFrame->DestroyWindow();
    Pump();
}

TEST(Docking, TheToolbarTrackerStaysOnTheDesktop)
{
    const CRect rcDesktop(0, 0, 1024, 768);
    const struct
    {
        CSize offset;
        CRect expected;
    } cases[] = {
        {CSize(10, 20), CRect(110, 120, 210, 150)},
        {CSize(-500, 0), CRect(0, 100, 100, 130)},
        {CSize(2000, 2000), CRect(924, 738, 1024, 768)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, SECToolBarRectTracker::MoveOnDesktop(CRect(100, 100, 200, 130), c.offset, rcDesktop));
}

} // namespace
