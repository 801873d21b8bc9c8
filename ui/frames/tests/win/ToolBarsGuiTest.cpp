// Toolbars under Wine, driven by real mouse input: a frame gets its default
// "File" and "Transfer" bars from the toolbar manager, a click sends the
// button's command, busy commands grey out, large buttons grow, a
// customising drag moves a button to the other bar and a copy dropped into
// empty space makes a new toolbar; after a restart all of it is back. The
// "Toolbars" dialog hides a bar and its Cancel puts the options back; the
// customise command opens the "Customize" sheet, whose palettes give copies
// of their buttons to a toolbar, and whose menu groups give text menu
// buttons (a menu bar's too) that drop their menus through the toolbar.
// Resting the mouse over a button shows its prompt on the status line.
// Screenshots of each stage.
#include "framework/Framework.h"
#include "app/tests/Screenshot.h"
#include "res/ToolBarsRes.h"
#include "framework/MiniFrameWnd.h"
#include "ui/frames/SECControlBarInfo.h"
#include "ui/frames/SECCustomStatusBar.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECTBMenuBtn.h"
#include "ui/frames/SECToolBarManager.h"
#include "ui/frames/SECToolBarsDlg.h"
#include "ui/frames/SECToolBarSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class CToolBarTestApp : public CWinApp
{
public:
    CToolBarTestApp() { SetRegistryKey("G7K ToolBars Tests"); }
};
CToolBarTestApp theApp;

const char kProfile[] = "ToolBarsTest";
const UINT kFileBar = AFX_IDW_TOOLBAR;
const UINT kTransferBar = AFX_IDW_TOOLBAR + 6;
const UINT kFileButtons[] = {57600, 57601, 57603, 0, 32866, 0, 57608, 0, 32814, 0, 57664};
const UINT kTransferButtons[] = {32773, 32775, 32776, 0, 32788};
const UINT kCustomizeCommand = 32861;

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
        theApp.OnIdle(0);
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

void Click(CPoint pt)
{
    SendMouse(0, pt);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTUP, pt);
    Pump(200);
}

void Drag(CPoint ptFrom, CPoint ptTo)
{
    SendMouse(0, ptFrom);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    const int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        SendMouse(0, ptFrom + CSize((ptTo.x - ptFrom.x) * i / kSteps, (ptTo.y - ptFrom.y) * i / kSteps));
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    Pump(400);
}

class CToolBarFrame : public SECMDIFrameWnd
{
public:
    CToolBarFrame() : m_manager(this) {}

    SECToolBarManager m_manager;
    std::vector<UINT> m_commands;
    BOOL m_bBusy = FALSE;
    SECCustomStatusBar m_status;

    BOOL Build(bool bStatusBar)
    {
        if (!Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 800, 500)))
            return FALSE;
        static const UINT kIndicators[] = {ID_SEPARATOR};
        if (bStatusBar && (!m_status.Create(this) || !m_status.SetIndicators(kIndicators, 1)))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        SetControlBarManager(&m_manager);
        if (!m_manager.LoadToolBarResource(IDR_FILE_TOOLBAR, IDR_FILE_TOOLBAR) ||
            !m_manager.LoadToolBarResource(IDR_TRANSFER_TOOLBAR, IDR_TRANSFER_TOOLBAR))
            return FALSE;
        m_manager.DefineDefaultToolBar(kFileBar, "File", 11, kFileButtons, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP);
        m_manager.DefineDefaultToolBar(kTransferBar, "Transfer", 5, kTransferButtons, CBRS_ALIGN_ANY,
                                       AFX_IDW_DOCKBAR_TOP, kFileBar);
        m_manager.EnableCoolLook(TRUE, 0x300);
        LoadBarState(kProfile);
        m_manager.LoadState(kProfile);
        ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        RecalcLayout();
        UpdateWindow();
        Pump(200);
        return TRUE;
    }

    void Save()
    {
        SaveBarState(kProfile);
        m_manager.SaveState(kProfile);
    }

    SECCustomToolBar* Bar(UINT nID) { return m_manager.ToolBarFromID(nID); }

    // The screen point in the middle of a bar's button with that command.
    CPoint ButtonPoint(UINT nBar, UINT nCommand)
    {
        SECCustomToolBar* pBar = Bar(nBar);
        CRect rc;
        pBar->GetItemRect(pBar->CommandToIndex(nCommand), &rc);
        pBar->ClientToScreen(&rc);
        return rc.CenterPoint();
    }

    // As the application's frame does for its customise command.
    void OnCustomize()
    {
        SECToolBarSheet sheet(&m_manager, this);
        if (m_bMenuGroups) {
            static const UINT kMenuCommands[] = {kToolsMenuCommand, 57600};
            sheet.m_cmdPage.DefineMenuGroup("Menus", 2, kMenuCommands);
            sheet.m_cmdPage.DefineMenuBarGroup("Menu bar");
        }
        sheet.m_cmdPage.DefineBtnGroup("File", 11, kFileButtons);
        sheet.m_cmdPage.DefineBtnGroup("Transfer", 5, kTransferButtons);
        m_nSheetResult = sheet.DoModal();
    }
    int m_nSheetResult = 0;
    bool m_bMenuGroups = false;
    static constexpr UINT kToolsMenuCommand = 32900;

    // The menus text buttons ask for: {menu resource, popup index}.
    std::vector<std::pair<UINT_PTR, UINT_PTR>> m_menuDrops;
    std::vector<int> m_menuModeNotes;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pNotify = reinterpret_cast<const SECBtnNotify*>(lParam);
        if ((int)pNotify->tb.hdr.code == kNotifyMenuModeEnter || (int)pNotify->tb.hdr.code == kNotifyMenuModeExit ||
            (int)pNotify->tb.hdr.code == kNotifyDropDown)
            m_menuModeNotes.push_back((int)pNotify->tb.hdr.code);
        if ((int)pNotify->tb.hdr.code == kNotifyMenuDrop) {
            m_menuDrops.emplace_back(pNotify->nParam1, pNotify->nParam2);
            return TRUE;
        }
        return SECMDIFrameWnd::OnNotify(wParam, lParam, pResult);
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == kCustomizeCommand && nCode == CN_COMMAND) {
            if (pHandlerInfo == nullptr)
                OnCustomize();
            return TRUE;
        }
        if (nID >= 32773 && nID <= 57664 && nID != 32866) {
            if (nCode == CN_COMMAND) {
                if (pHandlerInfo == nullptr)
                    m_commands.push_back(nID);
                return TRUE;
            }
            if (nCode == CN_UPDATE_COMMAND_UI) {
                static_cast<CCmdUI*>(pExtra)->Enable(!m_bBusy || nID > 32800);
                return TRUE;
            }
        }
        return SECMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

CToolBarFrame* NewFrame(bool bStatusBar = false)
{
    auto* pFrame = new CToolBarFrame;
    if (!pFrame->Build(bStatusBar)) {
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
    const std::string strPath = std::string(pszDir ? pszDir : ".") + "/ui_frames_toolbars_" + pszName + ".bmp";
    SaveWindowBitmap(pWnd->m_hWnd, strPath.c_str());
}

std::vector<UINT> Buttons(SECCustomToolBar* pBar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pBar->GetButtonCount(); ++i)
        ids.push_back(pBar->GetButton(i)->IsSeparator() ? 0 : pBar->GetItemID(i));
    return ids;
}

TEST(ToolBars, DefaultsClicksBusyLargeButtonsCustomiseAndRestart)
{
    CWinApp* pApp = AfxGetApp();
    pApp->GetProfileStore().WriteInt("ToolBarsTest-Summary", "Bars", 0);
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);

    // First start: "File" on the top dock bar, "Transfer" right beside it.
    SECCustomToolBar* pFile = pFrame->Bar(kFileBar);
    SECCustomToolBar* pTransfer = pFrame->Bar(kTransferBar);
    ASSERT_NE(nullptr, pFile);
    ASSERT_NE(nullptr, pTransfer);
    EXPECT_EQ(std::vector<UINT>(std::begin(kFileButtons), std::end(kFileButtons)), Buttons(pFile));
    CRect rcFile, rcTransfer;
    pFile->GetWindowRect(&rcFile);
    pTransfer->GetWindowRect(&rcTransfer);
    EXPECT_EQ(rcFile.top, rcTransfer.top);
    EXPECT_GE(rcTransfer.left, rcFile.right - 1);
    EXPECT_EQ(23, pFile->GetButton(0)->m_cx);
    CString strTitle;
    pTransfer->GetWindowText(strTitle);
    EXPECT_EQ("Transfer", strTitle);
    Shot(pFrame, "defaults");

    // A click sends the command; the tooltip names it.
    Click(pFrame->ButtonPoint(kFileBar, 57601));
    ASSERT_EQ(1u, pFrame->m_commands.size());
    EXPECT_EQ(57601u, pFrame->m_commands[0]);
    CPoint ptTip = pFrame->ButtonPoint(kTransferBar, 32775);
    pTransfer->ScreenToClient(&ptTip);
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(32775, pTransfer->OnToolHitTest(ptTip, &ti));
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);

    // Busy: the transfer buttons grey out and ignore clicks.
    pFrame->m_bBusy = TRUE;
    pTransfer->OnUpdateCmdUI(pFrame, TRUE);
    EXPECT_TRUE(pTransfer->GetButtonStyle(0) & TBBS_DISABLED_BIT);
    Click(pFrame->ButtonPoint(kTransferBar, 32773));
    EXPECT_EQ(1u, pFrame->m_commands.size());
    Shot(pFrame, "busy");
    pFrame->m_bBusy = FALSE;
    pTransfer->OnUpdateCmdUI(pFrame, TRUE);

    // Large buttons: 22 x 24 images in 29 x 31 buttons; switching twice is once.
    pFrame->m_manager.SetLargeButtons(TRUE);
    pFrame->RecalcLayout();
    Pump(100);
    EXPECT_EQ(29, pFile->GetButton(0)->m_cx);
    EXPECT_EQ(31, pFile->GetButton(0)->m_cy);
    Shot(pFrame, "large");
    pFrame->m_manager.SetLargeButtons(FALSE);
    pFrame->RecalcLayout();
    Pump(100);
    EXPECT_EQ(23, pFile->GetButton(0)->m_cx);

    // Customising: "Open" moves from "File" to the end of "Transfer".
    pFrame->m_manager.SetCustomizeMode(TRUE);
    pTransfer->GetWindowRect(&rcTransfer);
    Drag(pFrame->ButtonPoint(kFileBar, 57601), CPoint(rcTransfer.right - 6, rcTransfer.CenterPoint().y));
    EXPECT_EQ(-1, pFile->CommandToIndex(57601));
    EXPECT_EQ(pTransfer->GetButtonCount() - 1, pTransfer->CommandToIndex(57601));

    // A copy of "Save" dropped into empty space makes "ToolBar1". (Under
    // Wine a synthetic Ctrl does not reach the drag, so the drop is direct.)
    SECToolBarManager::CreateToolBarFromDrop(CPoint(rcFile.left + 300, rcFile.bottom + 200), 57603,
                                             &pFrame->m_manager, FALSE);
    Pump(100);
    SECCustomToolBar* pUser = pFrame->Bar(kFirstUserToolBarID);
    ASSERT_NE(nullptr, pUser);
    EXPECT_EQ(std::vector<UINT>{57603}, Buttons(pUser));
    EXPECT_NE(-1, pFile->CommandToIndex(57603));
    pUser->GetWindowText(strTitle);
    EXPECT_EQ("ToolBar1", strTitle);
    pFrame->m_manager.SetCustomizeMode(FALSE);
    Shot(pFrame, "customised");
    const std::vector<UINT> fileAfter = Buttons(pFile);
    const std::vector<UINT> transferAfter = Buttons(pTransfer);

    // Restart: the layout, the moved button and the new toolbar come back.
    pFrame->Save();
    pFrame->DestroyWindow();
    Pump(100);
    pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_NE(nullptr, pFrame->Bar(kFileBar));
    ASSERT_NE(nullptr, pFrame->Bar(kTransferBar));
    EXPECT_EQ(fileAfter, Buttons(pFrame->Bar(kFileBar)));
    EXPECT_EQ(transferAfter, Buttons(pFrame->Bar(kTransferBar)));
    pUser = pFrame->Bar(kFirstUserToolBarID);
    ASSERT_NE(nullptr, pUser);
    pUser->GetWindowText(strTitle);
    EXPECT_EQ("ToolBar1", strTitle);
    EXPECT_EQ(std::vector<UINT>{57603}, Buttons(pUser));
    EXPECT_TRUE(pUser->IsFloating());
    EXPECT_TRUE(pUser->IsWindowVisible());
    Shot(pFrame, "restored");
    pFrame->DestroyWindow();
    Pump();
}

// Docked on the left the bar stands up: one button a row, each of them
// inside the bar. True after a drag, after a double-click on the floating
// bar and after a restart.
void ExpectStandingWithAllButtons(SECCustomToolBar* pBar, const char* pszWhen)
{
    SCOPED_TRACE(pszWhen);
    ASSERT_NE(nullptr, pBar->m_pDockBar);
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, (int)pBar->m_pDockBar->GetDlgCtrlID());
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    EXPECT_GT(rcClient.Height(), rcClient.Width());
    int nShown = 0, nLeft = -1;
    for (int i = 0; i < pBar->GetButtonCount(); ++i) {
        if (pBar->GetButton(i)->IsSeparator())
            continue;
        CRect rcButton;
        pBar->GetItemRect(i, &rcButton);
        EXPECT_TRUE(rcClient.PtInRect(rcButton.TopLeft()) && rcButton.bottom <= rcClient.bottom &&
                    rcButton.right <= rcClient.right)
            << "button " << pBar->GetItemID(i) << " is cut off " << rcButton.top << "-" << rcButton.bottom << " in " << rcClient.bottom;
        if (nLeft == -1)
            nLeft = rcButton.left;
        EXPECT_EQ(nLeft, rcButton.left) << "button " << pBar->GetItemID(i) << " is not in the column";
        ++nShown;
    }
    EXPECT_EQ(7, nShown);
}

CPoint GripperPoint(CControlBar* pBar)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    return CPoint(rc.left + 3, rc.CenterPoint().y);
}

TEST(ToolBars, BarDockedOnTheLeftStandsUpWithAllItsButtonsAlsoAfterARestart)
{
    AfxGetApp()->GetProfileStore().WriteInt("ToolBarsTest-Summary", "Bars", 0);
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECCustomToolBar* pFile = pFrame->Bar(kFileBar);
    ASSERT_NE(nullptr, pFile);
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);

    // The gripper dragged to the left edge.
    CRect rcLeftDock;
    pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&rcLeftDock);
    Drag(GripperPoint(pFile), CPoint(rcLeftDock.left, rcLeftDock.CenterPoint().y));
    ExpectStandingWithAllButtons(pFile, "dragged to the left edge");
    Shot(pFrame, "docked_left");

    // Floated, then a double-click on its caption docks it back the same way.
    Drag(GripperPoint(pFile), rcClient.CenterPoint());
    ASSERT_TRUE(pFile->IsFloating());
    CRect rcFloat;
    pFile->GetParentFrame()->GetWindowRect(&rcFloat);
    const CPoint ptCaption(rcFloat.left + 12, rcFloat.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2);
    SendMouse(0, ptCaption);
    Pump(50);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN, ptCaption);
        SendMouse(MOUSEEVENTF_LEFTUP, ptCaption);
    }
    Pump(400);
    ExpectStandingWithAllButtons(pFile, "docked back by a double-click");

    pFrame->Save();
    pFrame->DestroyWindow();
    Pump(100);
    pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    ExpectStandingWithAllButtons(pFrame->Bar(kFileBar), "after a restart");
    Shot(pFrame, "docked_left_restored");

    // Back to the top for the tests that follow.
    pFrame->DockControlBar(pFrame->Bar(kFileBar), AFX_IDW_DOCKBAR_TOP);
    pFrame->Save();
    pFrame->DestroyWindow();
    Pump();
}

// Fly-by: the prompt of the button the mouse rests over, at once for the
// next button, the idle text back off the bar; a pressed button keeps its
// own prompt; nothing without CBRS_FLYBY.
TEST(ToolBars, FlyByShowsTheButtonPromptWhileTheMouseRestsOverIt)
{
    AfxGetApp()->GetProfileStore().WriteInt("ToolBarsTest-Summary", "Bars", 0);
    CToolBarFrame* pFrame = NewFrame(true);
    ASSERT_NE(nullptr, pFrame);
    SECCustomToolBar* pFile = pFrame->Bar(kFileBar);
    ASSERT_NE(nullptr, pFile);
    ASSERT_NE(-1, pFile->CommandToIndex(57601));
    ASSERT_NE(-1, pFile->CommandToIndex(57603));
    EXPECT_TRUE(pFile->GetBarStyle() & CBRS_FLYBY) << "the manager's bars have it";
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    const CPoint ptAway = rcFrame.CenterPoint();
    SendMouse(0, ptAway);
    Pump(100);
    pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    const auto status = [&] { return std::string(pFrame->m_status.GetPaneText(0)); };
    EXPECT_EQ("Ready", status());

    SendMouse(0, pFrame->ButtonPoint(kFileBar, 57601));
    Pump();
    EXPECT_EQ("Ready", status()) << "not before the mouse has rested";
    Pump(600);
    EXPECT_EQ("Open an existing document", status());
    SendMouse(0, pFrame->ButtonPoint(kFileBar, 57603));
    Pump(50);
    EXPECT_EQ("Save the active document", status());
    Shot(pFrame, "fly_by");
    SendMouse(0, ptAway);
    Pump(600);
    EXPECT_EQ("Ready", status());

    // Pressed and dragged off, the button's prompt stays until it is let go.
    const CPoint ptOpen = pFrame->ButtonPoint(kFileBar, 57601);
    SendMouse(0, ptOpen);
    Pump(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptOpen);
    Pump(100);
    EXPECT_EQ("Open an existing document", status());
    SendMouse(0, ptAway);
    Pump(600);
    EXPECT_EQ("Open an existing document", status());
    SendMouse(MOUSEEVENTF_LEFTUP, ptAway);
    Pump(200);
    EXPECT_EQ("Ready", status());
    EXPECT_TRUE(pFrame->m_commands.empty());

    // Clearing the style takes a shown prompt back and shows no more.
    SendMouse(0, pFrame->ButtonPoint(kFileBar, 57603));
    Pump(600);
    EXPECT_EQ("Save the active document", status());
    pFile->SetBarStyle(pFile->GetBarStyle() & ~CBRS_FLYBY);
    EXPECT_EQ("Ready", status());
    SendMouse(0, ptOpen);
    Pump(600);
    EXPECT_EQ("Ready", status());
    SendMouse(0, ptAway);
    pFrame->DestroyWindow();
    Pump();
}

// A list row holds a line of the dialog font and a check box.
int ReadableRowHeight()
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return std::max<int>(tm.tmHeight, ::GetSystemMetrics(SM_CYMENUCHECK));
}

// Runs inside the dialog's modal loop: switches large buttons on, hides
// "Transfer" through its check box, then cancels.
struct DialogRun
{
    bool bFrameDisabled = false;
    bool bLargeWhileOpen = false;
    bool bCustomizing = false;
    int nItems = 0;
    int nRowHeight = 0;
} g_dialogRun;
SECToolBarManager* g_pManager = nullptr;

void CALLBACK DriveToolBarsDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hDlg = ::FindWindowA("#32770", "Toolbars");
    if (hDlg == nullptr)
        return;
    g_dialogRun.bFrameDisabled = !::IsWindowEnabled(g_pManager->GetFrameWnd()->m_hWnd);
    g_dialogRun.bCustomizing = g_pManager->IsCustomizeMode() != FALSE;
    HWND hList = ::GetDlgItem(hDlg, IDC_SEC_TOOLBAR_LIST);
    g_dialogRun.nItems = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    g_dialogRun.nRowHeight = (int)::SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0);
    ::CheckDlgButton(hDlg, IDC_SEC_LARGE_BUTTONS, BST_CHECKED);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_SEC_LARGE_BUTTONS, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hDlg, IDC_SEC_LARGE_BUTTONS));
    g_dialogRun.bLargeWhileOpen = g_pManager->GetLargeButtons() != FALSE;
    auto* pList = static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(hList));
    for (int i = 0; pList != nullptr && i < pList->GetCount(); ++i) {
        if ((UINT)pList->GetItemData(i) != kTransferBar)
            continue;
        pList->SetCurSel(i);
        pList->SetCheck(i, 0);
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_SEC_TOOLBAR_LIST, CLBN_CHKCHANGE), (LPARAM)hList);
    }
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

TEST(ToolBars, ToolbarsDialogHidesABarAndCancelPutsTheOptionsBack)
{
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_NE(nullptr, pFrame->Bar(kTransferBar));
    pFrame->m_manager.SetLargeButtons(FALSE);
    g_pManager = &pFrame->m_manager;
    ::SetTimer(nullptr, 0, 200, DriveToolBarsDialog);
    EXPECT_EQ(IDCANCEL, pFrame->m_manager.ExecViewToolBarsDlg());
    EXPECT_TRUE(g_dialogRun.bFrameDisabled);
    EXPECT_TRUE(g_dialogRun.bCustomizing);
    EXPECT_GE(g_dialogRun.nItems, 2);
    EXPECT_GE(g_dialogRun.nRowHeight, ReadableRowHeight());
    EXPECT_TRUE(g_dialogRun.bLargeWhileOpen);
    EXPECT_FALSE(pFrame->m_manager.GetLargeButtons());
    EXPECT_FALSE(pFrame->m_manager.IsCustomizeMode());
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    EXPECT_FALSE(pFrame->Bar(kTransferBar)->IsWindowVisible());
    pFrame->ShowControlBar(pFrame->Bar(kTransferBar), TRUE, FALSE);
    pFrame->DestroyWindow();
    Pump();
}

// Runs inside the sheet's modal loop: looks at both pages, selects a
// palette button, switches large buttons on; later timers drag a button
// out of a palette and cancel.
struct SheetRun
{
    bool bFound = false;
    int nTabs = 0;
    bool bFrameDisabled = false;
    bool bCustomizing = false;
    int nCategories = 0;
    int nPaletteButtons = 0;
    bool bPaletteVisible = false;
    std::string strDescription;
    bool bLargeWhileOpen = false;
    int nPaletteAfterDrag = 0;
    int nRowHeight = 0;
} g_sheetRun;
SECCustomToolBar* g_pDropBar = nullptr;

void CALLBACK ShootAndCancelSheet(HWND, UINT, UINT_PTR nTimer, DWORD);

// "About" dragged from the "File" palette onto the drop bar: a copy.
void CALLBACK DragFromPalette(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hSheet = ::FindWindowA("#32770", "Customize");
    HWND hPage = hSheet != nullptr ? (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0) : nullptr;
    auto* pPage = dynamic_cast<SECToolBarCmdPage*>(CWnd::FromHandlePermanent(hPage));
    if (pPage != nullptr && pPage->GetGroupCount() > 0) {
        auto* pPalette = static_cast<SECCustomToolBar*>(pPage->GetGroup(0)->GetWnd());
        CRect rcButton, rcBar;
        pPalette->GetItemRect(pPalette->CommandToIndex(57664), &rcButton);
        pPalette->ClientToScreen(&rcButton);
        g_pDropBar->GetWindowRect(&rcBar);
        Drag(rcButton.CenterPoint(), CPoint(rcBar.right - 6, rcBar.CenterPoint().y));
        g_sheetRun.nPaletteAfterDrag = pPalette->GetButtonCount();
    }
    ::SetTimer(nullptr, 0, 300, ShootAndCancelSheet);
}

// Once the sheet has painted itself in its own loop.
void CALLBACK ShootAndCancelSheet(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hSheet = ::FindWindowA("#32770", "Customize");
    if (hSheet == nullptr)
        return;
    Shot(CWnd::FromHandle(hSheet), "customize_sheet");
    ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void CALLBACK DriveCustomizeSheet(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hSheet = ::FindWindowA("#32770", "Customize");
    if (hSheet == nullptr)
        return;
    g_sheetRun.bFound = true;
    g_sheetRun.nTabs = (int)::SendMessageA(PropSheet_GetTabControl(hSheet), TCM_GETITEMCOUNT, 0, 0);
    HWND hToolBarsPage = (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    g_sheetRun.nRowHeight = (int)::SendDlgItemMessageA(hToolBarsPage, IDC_SEC_TOOLBAR_LIST, LB_GETITEMHEIGHT, 0, 0);
    ::CheckDlgButton(hToolBarsPage, IDC_SEC_LARGE_BUTTONS, BST_CHECKED);
    ::SendMessageA(hToolBarsPage, WM_COMMAND, MAKEWPARAM(IDC_SEC_LARGE_BUTTONS, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hToolBarsPage, IDC_SEC_LARGE_BUTTONS));
    g_sheetRun.bLargeWhileOpen = g_pManager->GetLargeButtons() != FALSE;

    ::SendMessageA(hSheet, PSM_SETCURSEL, 1, 0);
    HWND hPage = (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    g_sheetRun.bFrameDisabled = !::IsWindowEnabled(g_pManager->GetFrameWnd()->m_hWnd);
    g_sheetRun.bCustomizing = g_pManager->IsCustomizeMode() != FALSE;
    g_sheetRun.nCategories = (int)::SendDlgItemMessageA(hPage, IDC_SEC_CATEGORIES, LB_GETCOUNT, 0, 0);
    auto* pPage = dynamic_cast<SECToolBarCmdPage*>(CWnd::FromHandlePermanent(hPage));
    if (pPage != nullptr && pPage->GetGroupCount() > 0) {
        auto* pPalette = static_cast<SECCustomToolBar*>(pPage->GetGroup(0)->GetWnd());
        g_sheetRun.nPaletteButtons = pPalette->GetButtonCount();
        g_sheetRun.bPaletteVisible = pPalette->IsWindowVisible() != FALSE;
        pPalette->SelectButton(0);
        char sz[256] = "";
        ::GetDlgItemTextA(hPage, IDC_SEC_DESCRIPTION, sz, sizeof sz);
        g_sheetRun.strDescription = sz;
    }
    ::SetTimer(nullptr, 0, 300, DragFromPalette);
}

TEST(ToolBars, CustomizeCommandOpensTheSheetWithPalettesAndCancelPutsTheOptionsBack)
{
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->m_manager.SetLargeButtons(FALSE);
    g_pManager = &pFrame->m_manager;
    g_pDropBar = pFrame->Bar(kTransferBar);
    ASSERT_NE(nullptr, g_pDropBar);
    ASSERT_EQ(-1, g_pDropBar->CommandToIndex(57664));
    const int nDropBarButtons = g_pDropBar->GetButtonCount();
    ::SetTimer(nullptr, 0, 300, DriveCustomizeSheet);
    pFrame->SendMessage(WM_COMMAND, kCustomizeCommand, 0);
    EXPECT_TRUE(g_sheetRun.bFound);
    EXPECT_EQ(IDCANCEL, pFrame->m_nSheetResult);
    EXPECT_EQ(2, g_sheetRun.nTabs);
    EXPECT_GE(g_sheetRun.nRowHeight, ReadableRowHeight());
    EXPECT_TRUE(g_sheetRun.bFrameDisabled);
    EXPECT_TRUE(g_sheetRun.bCustomizing);
    EXPECT_EQ(2, g_sheetRun.nCategories);
    EXPECT_EQ(11, g_sheetRun.nPaletteButtons);
    EXPECT_TRUE(g_sheetRun.bPaletteVisible);
    EXPECT_EQ("Create a new document", g_sheetRun.strDescription);
    EXPECT_TRUE(g_sheetRun.bLargeWhileOpen);
    EXPECT_EQ(11, g_sheetRun.nPaletteAfterDrag);
    EXPECT_EQ(nDropBarButtons + 1, g_pDropBar->GetButtonCount());
    EXPECT_NE(-1, g_pDropBar->CommandToIndex(57664));
    EXPECT_NE(-1, pFrame->Bar(kFileBar)->CommandToIndex(57664));
    EXPECT_FALSE(pFrame->m_manager.GetLargeButtons());
    EXPECT_FALSE(pFrame->m_manager.IsCustomizeMode());
    EXPECT_FALSE(pFrame->m_manager.IsCustomizing());
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    pFrame->DestroyWindow();
    Pump();
}

// Runs inside the sheet's loop: drags "Tools" from the "Menus" group and
// "Edit" from the menu bar's group onto the drop bar.
struct MenuGroupRun
{
    int nCategories = 0;
    std::vector<std::string> menuItems;
    std::vector<std::string> menuBarItems;
} g_menuRun;

std::vector<std::string> ListItems(HWND hList)
{
    std::vector<std::string> items;
    const int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        char sz[256] = "";
        ::SendMessageA(hList, LB_GETTEXT, i, (LPARAM)sz);
        items.push_back(sz);
    }
    return items;
}

// Drags item nItem of the list to just inside the drop bar's right end.
void DragListItem(HWND hList, int nItem)
{
    CRect rcItem, rcBar;
    ::SendMessageA(hList, LB_GETITEMRECT, nItem, (LPARAM)&rcItem);
    ::MapWindowPoints(hList, nullptr, (LPPOINT)&rcItem, 2);
    g_pDropBar->GetWindowRect(&rcBar);
    Drag(CPoint(rcItem.left + 10, rcItem.CenterPoint().y), CPoint(rcBar.right - 6, rcBar.top + 2));
}

void CALLBACK DragMenuItems(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hSheet = ::FindWindowA("#32770", "Customize");
    if (hSheet == nullptr)
        return;
    ::SendMessageA(hSheet, PSM_SETCURSEL, 1, 0);
    HWND hPage = (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    auto* pPage = dynamic_cast<SECToolBarCmdPage*>(CWnd::FromHandlePermanent(hPage));
    g_menuRun.nCategories = (int)::SendDlgItemMessageA(hPage, IDC_SEC_CATEGORIES, LB_GETCOUNT, 0, 0);
    if (pPage != nullptr && pPage->GetGroupCount() >= 2) {
        HWND hMenus = pPage->GetGroup(0)->GetWnd()->m_hWnd;
        g_menuRun.menuItems = ListItems(hMenus);
        Pump(100);
        DragListItem(hMenus, 0);

        ::SendDlgItemMessageA(hPage, IDC_SEC_CATEGORIES, LB_SETCURSEL, 1, 0);
        ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_SEC_CATEGORIES, LBN_SELCHANGE),
                       (LPARAM)::GetDlgItem(hPage, IDC_SEC_CATEGORIES));
        HWND hMenuBar = pPage->GetGroup(1)->GetWnd()->m_hWnd;
        g_menuRun.menuBarItems = ListItems(hMenuBar);
        Pump(100);
        DragListItem(hMenuBar, 1);
        Pump(100);
        Shot(CWnd::FromHandle(hSheet), "menu_group_sheet");
    }
    ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

TEST(ToolBars, MenuGroupItemsDraggedOntoAToolbarBecomeTextButtonsThatDropTheirMenus)
{
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    static const SECBtnMapEntry kMap[] = {
        {&SECTBMenuBtn::classSECTBMenuBtn, CToolBarFrame::kToolsMenuCommand, 0x30000000,
         {7001, 2, (UINT_PTR) "&Tools", 0, 0}},
        {&SECStdBtn::classSECStdBtn, 57600, 0, {}},
        {nullptr, 0, 0, {}}};
    pFrame->m_manager.SetButtonMap(kMap);

    // A menu bar of one menu under the manager.
    SECMenuBar menuBar;
    EXPECT_FALSE(pFrame->m_manager.SetMenuInfo({7001})) << "no menu bar yet";
    menuBar.SetManager(&pFrame->m_manager);
    menuBar.SetBmpMgr(pFrame->m_manager.GetBmpMgr());
    ASSERT_TRUE(menuBar.Create(pFrame, "Menu bar", WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, kMenuBarID));
    ASSERT_TRUE(pFrame->m_manager.SetMenuInfo({7001}));
    EXPECT_EQ(&menuBar, pFrame->m_manager.GetMenuBar());
    int nMenuButtons = 0;
    const UINT* pMenuButtons = nullptr;
    pFrame->m_manager.GetMenuBarButtons(nMenuButtons, pMenuButtons);
    EXPECT_EQ(3, nMenuButtons) << "the manager keeps the menu bar's buttons";
    EXPECT_NE(nullptr, pFrame->m_manager.GetSecondButtonMap());
    ASSERT_EQ(3, menuBar.GetButtonCount());
    pFrame->RecalcLayout();
    Pump(100);

    g_pManager = &pFrame->m_manager;
    g_pDropBar = pFrame->Bar(kTransferBar);
    ASSERT_NE(nullptr, g_pDropBar);
    pFrame->m_bMenuGroups = true;
    ::SetTimer(nullptr, 0, 300, DragMenuItems);
    pFrame->SendMessage(WM_COMMAND, kCustomizeCommand, 0);
    pFrame->m_bMenuGroups = false;

    EXPECT_EQ(4, g_menuRun.nCategories);
    EXPECT_EQ(std::vector<std::string>{"Tools"}, g_menuRun.menuItems) << "57600 is no text menu button";
    EXPECT_EQ((std::vector<std::string>{"File", "Edit", "Help"}), g_menuRun.menuBarItems);

    // Both drops made text buttons on the bar.
    const int nTools = g_pDropBar->CommandToIndex(CToolBarFrame::kToolsMenuCommand);
    const int nEdit = g_pDropBar->CommandToIndex(0x80000002);
    ASSERT_NE(-1, nTools);
    ASSERT_NE(-1, nEdit);
    auto* pTools = dynamic_cast<SECTBMenuBtn*>(g_pDropBar->GetButton(nTools));
    auto* pEdit = dynamic_cast<SECTBMenuBtn*>(g_pDropBar->GetButton(nEdit));
    ASSERT_NE(nullptr, pTools);
    ASSERT_NE(nullptr, pEdit);
    EXPECT_STREQ("&Tools", pTools->m_strCaption);
    EXPECT_EQ('T', pTools->m_cMnemonic);
    EXPECT_EQ(3, pTools->m_nType);
    EXPECT_STREQ("&Edit", pEdit->m_strCaption);
    EXPECT_EQ(1u, pEdit->m_nFurther) << "the first menu's mask";
    EXPECT_GT(pTools->m_cx, 23) << "sized by its caption";

    // A click on a text button asks its owner for its menu.
    pFrame->RecalcLayout();
    Pump(100);
    CRect rcTools;
    g_pDropBar->GetItemRect(nTools, &rcTools);
    g_pDropBar->ClientToScreen(&rcTools);
    Click(rcTools.CenterPoint());
    CRect rcEdit;
    g_pDropBar->GetItemRect(g_pDropBar->CommandToIndex(0x80000002), &rcEdit);
    g_pDropBar->ClientToScreen(&rcEdit);
    Click(rcEdit.CenterPoint());
    const std::vector<std::pair<UINT_PTR, UINT_PTR>> expected = {{7001, 2}, {7001, 1}};
    EXPECT_EQ(expected, pFrame->m_menuDrops);
    EXPECT_EQ(-1, g_pDropBar->GetMenuModeButton()) << "no menu is left open";
    EXPECT_FALSE(pTools->HasStyle(TBBS_PRESSED_BIT));
    Shot(pFrame, "menu_group");

    // Menu mode on a plain toolbar: the owner hears of it, the keyboard's
    // moves find the text buttons, and opening one asks for its menu.
    g_pDropBar->EnterMenuMode(nTools);
    EXPECT_TRUE(g_pDropBar->IsInMenuMode());
    EXPECT_TRUE(pTools->HasStyle(TBBS_HOT_BIT));
    EXPECT_EQ(nEdit, g_pDropBar->NextNavButton(nTools, TRUE));
    EXPECT_EQ(nTools, g_pDropBar->FirstNavButton());
    EXPECT_EQ(nEdit, g_pDropBar->LastNavButton());
    g_pDropBar->ExitMenuMode();
    EXPECT_FALSE(pTools->HasStyle(TBBS_HOT_BIT));
    EXPECT_EQ((std::vector<int>{kNotifyMenuModeEnter, kNotifyMenuModeExit}), pFrame->m_menuModeNotes);
    pFrame->m_menuDrops.clear();
    g_pDropBar->OpenNavButton(nEdit);
    EXPECT_EQ((std::vector<std::pair<UINT_PTR, UINT_PTR>>{{7001, 1}}), pFrame->m_menuDrops);
    EXPECT_EQ(-1, g_pDropBar->GetMenuModeButton());
    EXPECT_FALSE(pEdit->HasStyle(TBBS_PRESSED_BIT));

    // A drop-down button tells its owner instead of sending its command.
    const int nGet = g_pDropBar->CommandToIndex(32773);
    ASSERT_NE(-1, nGet);
    g_pDropBar->SetButtonStyle(nGet, g_pDropBar->GetButtonStyle(nGet) | TBBS_DROPDOWN_BIT);
    pFrame->m_menuModeNotes.clear();
    pFrame->m_commands.clear();
    CRect rcGet;
    g_pDropBar->GetItemRect(nGet, &rcGet);
    g_pDropBar->ClientToScreen(&rcGet);
    Click(rcGet.CenterPoint());
    EXPECT_EQ(std::vector<int>{kNotifyDropDown}, pFrame->m_menuModeNotes);
    EXPECT_TRUE(pFrame->m_commands.empty());
    EXPECT_FALSE(g_pDropBar->GetButton(nGet)->HasStyle(TBBS_PRESSED_BIT));

    pFrame->m_manager.SetButtonMap(nullptr);
    menuBar.DestroyWindow();
    menuBar.SetManager(nullptr);   // the frame takes the manager with it
    pFrame->DestroyWindow();
    Pump();
}

// Runs inside the "Toolbars" dialog's loop: a floating bar looks active
// with the dialog, and still when it takes the activation from it.
struct ActiveLookRun
{
    bool bFrameStaysActive = false;
    bool bFloatingActive = false;
    bool bFloatingActiveWhenFocused = false;
    bool bFrameStaysActiveWhenFocused = false;
} g_activeRun;
CMiniFrameWnd* g_pFloating = nullptr;

void CALLBACK CheckActiveLook(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    HWND hDlg = ::FindWindowA("#32770", "Toolbars");
    if (hDlg == nullptr)
        return;
    CFrameWnd* pFrame = g_pManager->GetFrameWnd();
    g_activeRun.bFrameStaysActive = (pFrame->m_nFlags & WF_STAYACTIVE) != 0;
    g_activeRun.bFloatingActive = g_pFloating->IsActiveLook() != FALSE;
    Shot(pFrame, "dialog_active_look");
    ::SetActiveWindow(g_pFloating->m_hWnd);
    Pump(100);
    g_activeRun.bFloatingActiveWhenFocused = g_pFloating->IsActiveLook() != FALSE;
    g_activeRun.bFrameStaysActiveWhenFocused = (pFrame->m_nFlags & WF_STAYACTIVE) != 0;
    ::SetActiveWindow(hDlg);
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

TEST(ToolBars, FrameAndFloatingBarsLookActiveWhileTheToolbarsDialogIsOpen)
{
    CToolBarFrame* pFrame = NewFrame();
    ASSERT_NE(nullptr, pFrame);
    SECCustomToolBar* pFile = pFrame->Bar(kFileBar);
    ASSERT_NE(nullptr, pFile);
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    pFrame->FloatControlBar(pFile, CPoint(rcFrame.left + 200, rcFrame.top + 200));
    Pump(100);
    g_pFloating = dynamic_cast<CMiniFrameWnd*>(pFile->GetParentFrame());
    ASSERT_NE(nullptr, g_pFloating);
    g_pManager = &pFrame->m_manager;
    ::SetTimer(nullptr, 0, 300, CheckActiveLook);
    EXPECT_EQ(IDCANCEL, pFrame->m_manager.ExecViewToolBarsDlg());
    // The frame is disabled while customising and does not pretend to be active.
    EXPECT_FALSE(g_activeRun.bFrameStaysActive);
    EXPECT_TRUE(g_activeRun.bFloatingActive);
    EXPECT_TRUE(g_activeRun.bFloatingActiveWhenFocused);
    EXPECT_FALSE(g_activeRun.bFrameStaysActiveWhenFocused);
    pFrame->DestroyWindow();
    Pump();
}

// An MDI frame whose manager has no default toolbars; with a menu-bar object
// of the application when asked.
class CMenuBarManagerFrame : public SECMDIFrameWnd
{
public:
    explicit CMenuBarManagerFrame(bool bMenuBar)
    {
        if (bMenuBar)
            SetMenuBar(&m_bar);
    }
    ~CMenuBarManagerFrame() override { SetControlBarManager(nullptr); }

    SECToolBarManager m_manager{this};
    SECMenuBar m_bar;   // after the manager: it leaves the manager's map

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        SetControlBarManager(&m_manager);
        m_manager.SetMenuInfo({7001});
        LoadBarState(kMenuBarProfile);
        m_manager.LoadState(kMenuBarProfile);
        return 0;
    }
    static constexpr const char* kMenuBarProfile = "MenuBarTest";
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuBarManagerFrame, SECMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CMenuBarManagerFrame* NewMenuBarFrame(bool bMenuBar)
{
    auto* pFrame = new CMenuBarManagerFrame(bMenuBar);
    if (!pFrame->Create(nullptr, "Menu bar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 700, 400)))
        return nullptr;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    Pump(100);
    return pFrame;
}

TEST(ToolBars, ManagerMakesTheFramesMenuBarAndRemakesItWithTheLayout)
{
    AfxGetApp()->GetProfileStore().WriteInt("MenuBarTest-Summary", "Bars", 0);
    CMenuBarManagerFrame* pFrame = NewMenuBarFrame(true);
    ASSERT_NE(nullptr, pFrame);

    // No saved layout: the manager makes the menu bar and docks it on top.
    SECMenuBar* pBar = &pFrame->m_bar;
    ASSERT_NE(nullptr, pBar->m_hWnd);
    EXPECT_EQ((int)kMenuBarID, pBar->GetDlgCtrlID());
    CString strTitle;
    pBar->GetWindowText(strTitle);
    EXPECT_EQ("Menu bar", strTitle);
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP), pBar->m_pDockBar);
    EXPECT_EQ(&pFrame->m_manager, pBar->GetManager());
    EXPECT_EQ(kMenuBarTypeID, pFrame->m_manager.GetBarTypeID(pBar));
    int nCount = 0;
    const UINT* pIDs = nullptr;
    pFrame->m_manager.GetMenuBarButtons(nCount, pIDs);
    ASSERT_EQ(3, nCount);
    EXPECT_EQ(std::vector<UINT>(pIDs, pIDs + nCount), Buttons(pBar));
    ASSERT_NE(nullptr, dynamic_cast<SECTBMenuBtn*>(pBar->GetButton(1)));
    EXPECT_STREQ("&Edit", static_cast<SECTBMenuBtn*>(pBar->GetButton(1))->m_strCaption);

    // Only an empty border makes the bar ignore its next hide, once.
    CRect rcSome(0, 20, 0, 0), rcNone(0, 0, 0, 0);
    pFrame->NegotiateBorderSpace(2, &rcSome);
    EXPECT_FALSE(pBar->m_bIgnoreHide);
    pFrame->NegotiateBorderSpace(3, &rcNone);
    EXPECT_TRUE(pBar->m_bIgnoreHide);
    pBar->DelayShow(FALSE);
    EXPECT_FALSE(pBar->m_bIgnoreHide);

    // Docked on the left and saved, it comes back there in a new frame.
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();
    Pump(100);
    const std::vector<UINT> buttons = Buttons(pBar);
    pFrame->SaveBarState(CMenuBarManagerFrame::kMenuBarProfile);
    pFrame->DestroyWindow();
    Pump(100);
    pFrame = NewMenuBarFrame(true);
    ASSERT_NE(nullptr, pFrame);
    pBar = &pFrame->m_bar;
    ASSERT_NE(nullptr, pBar->m_hWnd);
    EXPECT_EQ(pBar, pFrame->GetControlBar(kMenuBarID));
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT), pBar->m_pDockBar);
    EXPECT_EQ(buttons, Buttons(pBar));
    pBar->GetWindowText(strTitle);
    EXPECT_EQ("Menu bar", strTitle);
    EXPECT_FALSE(pBar->m_bAutoDelete) << "the application's object";
    pFrame->DestroyWindow();
    Pump(100);

    // A frame without a menu-bar object gets none, even from that layout.
    pFrame = NewMenuBarFrame(false);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(nullptr, pFrame->GetControlBar(kMenuBarID));
    EXPECT_EQ(nullptr, pFrame->m_bar.m_hWnd);
    SECControlBarInfo info;
    info.m_nTypeID = kMenuBarTypeID;
    info.m_nBarID = kMenuBarID;
    EXPECT_EQ(nullptr, pFrame->m_manager.CreateBar(&info, pFrame));
    pFrame->DestroyWindow();
    Pump();
}

} // namespace
