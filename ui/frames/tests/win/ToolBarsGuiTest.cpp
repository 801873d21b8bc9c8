// Toolbars under Wine, driven by real mouse input: a frame gets its default
// "File" and "Transfer" bars from the toolbar manager, a click sends the
// button's command, busy commands grey out, large buttons grow, a
// customising drag moves a button to the other bar and a copy dropped into
// empty space makes a new toolbar; after a restart all of it is back. The
// "Toolbars" dialog hides a bar and its Cancel puts the options back; the
// customise command opens the "Customize" sheet, whose palettes give copies
// of their buttons to a toolbar.
// Screenshots of each stage.
#include "framework/Framework.h"
#include "app/tests/Screenshot.h"
#include "res/ToolBarsRes.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECToolBarManager.h"
#include "ui/frames/SECToolBarsDlg.h"
#include "ui/frames/SECToolBarSheet.h"

#include <gtest/gtest.h>

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

    BOOL Build()
    {
        if (!Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 800, 500)))
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
        sheet.m_cmdPage.DefineBtnGroup("File", 11, kFileButtons);
        sheet.m_cmdPage.DefineBtnGroup("Transfer", 5, kTransferButtons);
        m_nSheetResult = sheet.DoModal();
    }
    int m_nSheetResult = 0;

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

CToolBarFrame* NewFrame()
{
    auto* pFrame = new CToolBarFrame;
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
    Shot(pFrame, "restored");
    pFrame->DestroyWindow();
    Pump();
}

// Runs inside the dialog's modal loop: switches large buttons on, hides
// "Transfer" through its check box, then cancels.
struct DialogRun
{
    bool bFrameDisabled = false;
    bool bLargeWhileOpen = false;
    bool bCustomizing = false;
    int nItems = 0;
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

} // namespace
