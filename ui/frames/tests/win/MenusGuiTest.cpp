// The caption, the workbook and the menu bar in real windows: pixels of the
// gradient caption, a workbook with three sheets and its tabs, and a test
// frame whose menu bar is driven by Alt and the arrow keys.
#include "framework/Framework.h"
#include "framework/tests/win/PngWriter.h"
#include "ui/frames/SECBmpMenuPlugIn.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECGradientCaption.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECMenuBarFeature.h"
#include "ui/frames/SECTBMenuBtn.h"
#include "ui/frames/SECWorkbook.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

class CCaptionFrame : public CFrameWnd, public ICaptionFonts
{
public:
    SECGradientCaption m_caption{*this, this};

    BOOL CreateCaptionAppFont(CFont& font) override
    {
        // Upright, as the application's main frame has it.
        BOOL bOk = SECGradientCaption::CreateItalicCaptionFont(font);
        LOGFONTA lf = {};
        if (!bOk || !::GetObjectA(font.m_hObject, sizeof lf, &lf))
            return FALSE;
        font.DeleteObject();
        lf.lfItalic = FALSE;
        return font.CreateFontIndirect(&lf);
    }
    BOOL CreateCaptionDocFont(CFont& font) override { return SECGradientCaption::CreateSystemCaptionFont(font); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (m_caption.OnNcMessage(message, wParam, lParam, lResult))
            return lResult;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {}
};

COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetWindowDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

int Distance(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b));
}

// A frame with the menu bar switched on: two menus, the second shown while
// "a child" of another kind is active.
class CMenuFrame : public CFrameWnd
{
public:
    static constexpr UINT kMainMenu = 7001;
    static constexpr UINT kOtherMenu = 7002;

    SECMenuBar m_bar;
    SECMenuBarFeature m_feature{*this};
    std::unique_ptr<SECBmpMenuPlugIn> m_pBmpMenus = std::make_unique<SECBmpMenuPlugIn>();
    std::vector<std::string> m_log;

    BOOL Make()
    {
        m_bAutoMenuEnable = FALSE;   // the test's commands have no handlers
        if (!Create(nullptr, "Menu bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 560, 300)))
            return FALSE;
        if (!m_bar.Create(this, "Menu", WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0xE807))
            return FALSE;
        if (!m_bar.SetMenuInfo({kMainMenu, 7099, kOtherMenu}))
            return FALSE;
        m_feature.SetMenuBar(&m_bar);
        m_pBmpMenus->PlugInTo(this);
        m_feature.SwapMenu(kMainMenu);
        RecalcLayout();
        return TRUE;
    }
    ~CMenuFrame() override
    {
        for (auto& entry : m_menus)
            ::DestroyMenu(entry.second);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return m_feature.PreTranslateMessage(pMsg) || CFrameWnd::PreTranslateMessage(pMsg);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (m_pBmpMenus != nullptr && m_pBmpMenus->OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        if (m_feature.OnFrameMessage(message, wParam, lParam, lResult))
            return lResult;
        if (message == SECMenuBarMessages::GetMenuMessage())
            return (LRESULT)::GetSubMenu(MenuFor((UINT)wParam), (int)lParam);
        if (message == WM_INITMENUPOPUP)
            m_log.push_back("popup " + PopupName((HMENU)wParam));
        if (message == WM_COMMAND && HIWORD(wParam) == 0)
            m_log.push_back("command " + std::to_string(LOWORD(wParam)));
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {}

private:
    HMENU MenuFor(UINT nID)
    {
        for (auto& entry : m_menus) {
            if (entry.first == nID)
                return entry.second;
        }
        HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
        m_menus.emplace_back(nID, hMenu);
        return hMenu;
    }
    std::string PopupName(HMENU hPopup)
    {
        if (hPopup == ::GetSystemMenu(m_hWnd, FALSE))
            return "system";
        for (auto& entry : m_menus) {
            for (int i = 0; i < ::GetMenuItemCount(entry.second); ++i) {
                char szText[64] = {};
                ::GetMenuStringA(entry.second, i, szText, sizeof szText, MF_BYPOSITION);
                if (::GetSubMenu(entry.second, i) == hPopup)
                    return szText;
            }
        }
        return "?";
    }
    std::vector<std::pair<UINT, HMENU>> m_menus;
};

bool IsOwnerDrawn(HMENU hMenu, int nPos)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_TYPE;
    return ::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW) != 0;
}

// Runs the frame's message loop (with its pre-translation) while another
// thread types, logging every change of the bar's menu mode.
void TypeWhilePumping(CMenuFrame& frame, const std::vector<std::vector<WORD>>& strokes)
{
    std::atomic<bool> bDone{false};
    std::thread typist([&] {
        for (const std::vector<WORD>& chord : strokes) {
            ::Sleep(250);
            if (chord.size() == 1 && chord[0] == 0) {
                WriteWindowPng(frame.m_hWnd, "ui_frames_bitmap_menu.png");
                continue;
            }
            std::vector<INPUT> inputs;
            for (WORD vk : chord) {
                INPUT input = {};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = vk;
                inputs.push_back(input);
            }
            for (auto it = chord.rbegin(); it != chord.rend(); ++it) {
                INPUT input = {};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = *it;
                input.ki.dwFlags = KEYEVENTF_KEYUP;
                inputs.push_back(input);
            }
            ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
        }
        ::Sleep(400);
        bDone = true;
    });
    std::string strLastMode;
    while (!bDone) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!frame.PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        std::string strMode = frame.m_bar.IsInMenuMode() ? "mode " + std::to_string(frame.m_bar.GetCurrentIndex()) : "";
        if (strMode != strLastMode && !strMode.empty())
            frame.m_log.push_back(strMode);
        strLastMode = strMode;
        ::Sleep(5);
    }
    typist.join();
}

class CTestWorkbook : public SECWorkbook
{
public:
    void PostNcDestroy() override {}
};

} // namespace

TEST(MenusGui, GradientCaptionIsPaintedActiveAndInactive)
{
    CCaptionFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "G7K - Survey line 14.dcv", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 630, 330)));
    EXPECT_FALSE(frame.m_caption.EnableCustomCaption(TRUE, TRUE));
    frame.m_caption.SetCaptionTextAlign(1, TRUE);
    frame.SetForegroundWindow();
    Pump();
    frame.SendMessage(WM_NCACTIVATE, TRUE);
    ASSERT_TRUE(frame.m_caption.IsCaptionActive());

    int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    CRect rcWindow;
    frame.GetWindowRect(&rcWindow);
    int yTop = cyFrame + 1;
    COLORREF crLeft = WindowPixel(frame.m_hWnd, cxFrame + cxButton + 4, yTop);
    COLORREF crRight = WindowPixel(frame.m_hWnd, rcWindow.Width() - cxFrame - 4 * cxButton - 4, yTop);
    COLORREF crActive = ::GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_LT(Distance(crLeft, RGB(0, 0, 0)), 40) << "the gradient starts black";
    EXPECT_LT(Distance(crRight, crActive), 40) << "and ends in the active caption colour";
    Pump();
    EXPECT_TRUE(WriteWindowPng(frame.m_hWnd, "ui_frames_caption_active.png"));

    frame.SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_FALSE(frame.m_caption.IsCaptionActive());
    COLORREF crInactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    EXPECT_EQ(crInactive, WindowPixel(frame.m_hWnd, cxFrame + cxButton + 4, yTop)) << "inactive: a flat fill";
    EXPECT_EQ(crInactive, WindowPixel(frame.m_hWnd, rcWindow.Width() - cxFrame - 4 * cxButton - 4, yTop));

    frame.SetWindowText("Another title");
    CString strTitle;
    frame.GetWindowText(strTitle);
    EXPECT_STREQ("Another title", strTitle);
    frame.DestroyWindow();
}

TEST(MenusGui, WorkbookWithThreeSheets)
{
    CTestWorkbook book;
    ASSERT_TRUE(book.Create(nullptr, "Workbook", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(20, 20, 660, 500)));
    book.SetShowTabs(TRUE);
    book.UpdateWindow();
    Pump();
    EXPECT_EQ(0, book.GetSheetCount());
    EXPECT_EQ(90, book.GetTabWidth()) << "no sheets: the largest width, no division";

    const char* names[] = {"Sheet 1", "Sheet 2", "Survey line 14 west, roll 3 of 5"};
    SECWorksheet* sheets[3];
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new SECWorksheet;   // the sheet deletes itself when its window goes
        ASSERT_TRUE(sheets[i]->Create(nullptr, names[i], WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, &book));
    }
    book.RecalcLayout();
    book.Invalidate();
    Pump();
    ASSERT_EQ(3, book.GetSheetCount());
    EXPECT_EQ(2, sheets[2]->m_nIndex);
    EXPECT_EQ(90, book.GetTabWidth());
    EXPECT_TRUE(book.IsTabTextWhole(sheets[0]));
    EXPECT_FALSE(book.IsTabTextWhole(sheets[2])) << "the long name is shortened";
    auto centreOf = [&](SECWorksheet* pSheet) {
        TabPolygon p = book.GetTabPolygon(pSheet);
        return CPoint((p[0].x + p[4].x) / 2, (p[0].y + p[2].y) / 2);
    };
    TOOLINFO ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(3, book.OnToolHitTest(centreOf(sheets[2]), &ti)) << "its tip shows it whole";
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
    EXPECT_EQ(-1, book.OnToolHitTest(centreOf(sheets[1]), nullptr)) << "a whole label has no tip";
    NMTTDISPINFOA info = {};
    info.hdr.code = TTN_GETDISPINFOA;
    info.hdr.idFrom = 3;
    LRESULT lResult = 1;
    EXPECT_TRUE(book.OnNotify(0, (LPARAM)&info, &lResult));
    EXPECT_STREQ(names[2], info.lpszText);

    // A click on the first tab activates the first sheet.
    TabPolygon tab = book.GetTabPolygon(sheets[0]);
    CPoint ptTab((tab[0].x + tab[4].x) / 2, (tab[0].y + tab[2].y) / 2);
    book.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptTab.x, ptTab.y));
    book.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTab.x, ptTab.y));
    Pump();
    EXPECT_EQ(sheets[0], book.MDIGetActive());
    EXPECT_EQ(0, book.GetActiveIndex());
    EXPECT_FALSE(sheets[0]->m_bPressed);
    EXPECT_TRUE(WriteWindowPng(book.m_hWnd, "ui_frames_workbook.png"));

    // The subclassed MDI client keeps the tab row free below itself, and
    // fills the area again when the tabs go.
    EXPECT_EQ(&book.GetClient(), CWnd::FromHandlePermanent(book.m_hWndMDIClient));
    const auto clientInFrame = [&] {
        CRect rc;
        ::GetWindowRect(book.m_hWndMDIClient, &rc);
        book.ScreenToClient(&rc);
        return rc;
    };
    CRect rcFrame;
    book.GetClientRect(&rcFrame);
    EXPECT_EQ(rcFrame.bottom, book.GetTabAreaRect().bottom);
    EXPECT_EQ(rcFrame.bottom - book.GetClient().m_nBottomMargin, clientInFrame().bottom);
    EXPECT_GE(book.GetClient().m_nBottomMargin, 23 + 2) << "the tab height and the active tab's drop";
    book.SetShowTabs(FALSE);
    Pump();
    EXPECT_EQ(rcFrame.bottom, clientInFrame().bottom);
    book.SetShowTabs(TRUE);
    Pump();
    EXPECT_EQ(rcFrame.bottom - book.GetClient().m_nBottomMargin, clientInFrame().bottom);

    sheets[1]->DestroyWindow();
    Pump();
    ASSERT_EQ(2, book.GetSheetCount());
    EXPECT_EQ(1, sheets[2]->m_nIndex) << "the sheets after it are renumbered";
    book.DestroyWindow();
}

// A control-bar sheet shows its bar over its whole client area, takes the
// bar's title and the icon of the first window the bar holds; a bar that
// holds none gives the system's window logo.
TEST(MenusGui, ControlBarSheetShowsItsBarWithItsTitleAndIcon)
{
    CTestWorkbook book;
    ASSERT_TRUE(book.Create(nullptr, "Workbook", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(20, 20, 660, 500)));
    book.SetShowTabs(TRUE);
    SECControlBar bar;
    ASSERT_TRUE(bar.Create(&book, "Survey notes", WS_CHILD, 0, 123));
    HWND hHosted = ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, bar.m_hWnd, nullptr, nullptr, nullptr);
    HICON hQuestion = ::LoadIcon(nullptr, IDI_QUESTION);
    ::SendMessageA(hHosted, WM_SETICON, ICON_BIG, (LPARAM)hQuestion);

    auto* pSheet = new SECControlBarWorksheet;   // deletes itself with its window
    pSheet->SetControlBar(&bar);
    ASSERT_TRUE(pSheet->Create(nullptr, "Sheet", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, &book));
    Pump();
    EXPECT_EQ(pSheet, bar.GetParent());
    CString strTitle;
    pSheet->GetWindowText(strTitle);
    EXPECT_STREQ("Survey notes", strTitle);
    EXPECT_EQ(hQuestion, (HICON)pSheet->SendMessage(WM_GETICON, ICON_BIG));
    ASSERT_EQ(1, book.GetSheetCount());
    EXPECT_NE(nullptr, book.GetSheetIcon(book.GetSheet(0))) << "the tab shows it too";
    CRect rcSheet, rcBar;
    pSheet->GetClientRect(&rcSheet);
    bar.GetWindowRect(&rcBar);
    pSheet->ScreenToClient(&rcBar);
    EXPECT_TRUE(rcBar.left <= 0 && rcBar.top <= 0 && rcBar.right >= rcSheet.right && rcBar.bottom >= rcSheet.bottom)
        << rcBar.left << "," << rcBar.top << "," << rcBar.right << "," << rcBar.bottom;

    auto* pPlain = new SECControlBarWorksheet;
    ASSERT_TRUE(pPlain->Create(nullptr, "Plain", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, &book));
    EXPECT_EQ(SECControlBarWorksheet::kBarID, (UINT)pPlain->GetControlBar()->GetDlgCtrlID());
    EXPECT_EQ(::LoadIcon(nullptr, IDI_WINLOGO), (HICON)pPlain->SendMessage(WM_GETICON, ICON_BIG));
    book.DestroyWindow();
    Pump();
}

// While the frame's system menu is up, a click on the frame's icon closes
// the menu and a double-click there runs the menu's default command (Close);
// a click elsewhere is left to the menu.
TEST(MenusGui, ClickOnTheIconWhileTheSystemMenuIsUp)
{
    CMenuFrame frame;
    ASSERT_TRUE(frame.Make());
    Pump();
    CRect rcWindow;
    frame.GetWindowRect(&rcWindow);
    const CPoint ptIcon(rcWindow.left + ::GetSystemMetrics(SM_CXFRAME) + 4, rcWindow.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    MSG msg = {frame.m_hWnd, WM_LBUTTONDOWN, 0, 0, 0, ptIcon};
    EXPECT_TRUE(frame.m_feature.OnSysMenuClick(&msg));
    msg.pt = rcWindow.CenterPoint();
    EXPECT_FALSE(frame.m_feature.OnSysMenuClick(&msg));
    Pump();
    EXPECT_TRUE(::IsWindow(frame.m_hWnd)) << "a single click only closes the menu";

    msg.message = WM_LBUTTONDBLCLK;
    msg.pt = ptIcon;
    EXPECT_TRUE(frame.m_feature.OnSysMenuClick(&msg));
    Pump();
    EXPECT_FALSE(::IsWindow(frame.m_hWnd)) << "Close, the system menu's default";
}

TEST(MenusGui, MenuBarFollowsAltAndTheArrows)
{
    CMenuFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.SetForegroundWindow();
    frame.SetFocus();
    Pump();
    ASSERT_EQ(5, frame.m_bar.GetButtonCount()) << "three, none and two popups";
    EXPECT_EQ(CMenuFrame::kMainMenu, frame.m_bar.GetCurrentMenuId());
    EXPECT_TRUE(frame.m_bar.GetButton(3)->HasStyle(TBBS_HIDDEN_BIT)) << "the other menu's File";
    EXPECT_EQ(1, frame.m_bar.FindMnemonic('E'));
    EXPECT_EQ(-1, frame.m_bar.FindMnemonic('w')) << "Window belongs to the hidden menu";

    TypeWhilePumping(frame, {{VK_MENU}, {VK_RIGHT}, {VK_DOWN}, {VK_LEFT}, {VK_RETURN}});
    std::vector<std::string> expected = {"mode 0", "mode 1", "popup &Edit", "popup &File", "command 7101"};
    EXPECT_EQ(expected, frame.m_log);
    EXPECT_FALSE(frame.m_bar.IsInMenuMode());
    EXPECT_TRUE(WriteWindowPng(frame.m_hWnd, "ui_frames_menubar.png"));

    // Alt+H opens Help; Escape closes it and leaves no menu mode behind.
    frame.m_log.clear();
    TypeWhilePumping(frame, {{VK_MENU, 'H'}, {VK_ESCAPE}, {VK_ESCAPE}});
    EXPECT_EQ(std::vector<std::string>{"popup &Help"}, frame.m_log);
    EXPECT_FALSE(frame.m_bar.IsInMenuMode());

    // Alt+Space drops the frame's system menu down; Escape closes it.
    frame.m_log.clear();
    TypeWhilePumping(frame, {{VK_MENU, VK_SPACE}, {VK_ESCAPE}, {VK_ESCAPE}});
    EXPECT_EQ(std::vector<std::string>{"popup system"}, frame.m_log);
    EXPECT_TRUE(::IsWindowVisible(frame.m_hWnd)) << "no system command was chosen";
    EXPECT_FALSE(frame.m_bar.IsInMenuMode());

    // The popups are drawn by the bitmap menus: a letter picks the item by
    // its mnemonic, and the items turn back into strings when they go.
    frame.m_log.clear();
    TypeWhilePumping(frame, {{VK_MENU, 'F'}, {0}, {'X'}});
    EXPECT_EQ((std::vector<std::string>{"popup &File", "command 7102"}), frame.m_log);
    HMENU hMain = (HMENU)frame.SendMessage(SECMenuBarMessages::GetMenuMessage(), CMenuFrame::kMainMenu, 0);
    ASSERT_NE(nullptr, hMain);
    EXPECT_TRUE(IsOwnerDrawn(hMain, 1));
    frame.m_pBmpMenus.reset();
    EXPECT_FALSE(IsOwnerDrawn(hMain, 1));
    char szText[32] = {};
    ::GetMenuStringA(hMain, 1, szText, sizeof szText, MF_BYPOSITION);
    EXPECT_STREQ("E&xit", szText);

    // The other menu: its own buttons show, the main menu's hide.
    ASSERT_TRUE(frame.m_feature.SwapMenu(CMenuFrame::kOtherMenu));
    EXPECT_EQ(4, frame.m_bar.FindMnemonic('w'));
    EXPECT_EQ(-1, frame.m_bar.FindMnemonic('e'));
    EXPECT_FALSE(frame.m_feature.SwapMenu(4242));
    EXPECT_EQ(CMenuFrame::kOtherMenu, frame.m_bar.GetCurrentMenuId());
    frame.DestroyWindow();
}

TEST(MenusGui, PopupMenusAreBuiltFromTheMenuTemplate)
{
    const BYTE* pData = nullptr;
    size_t nSize = 0;
    ASSERT_TRUE(LoadMenuTemplate(CMenuFrame::kMainMenu, pData, nSize));
    EXPECT_FALSE(LoadMenuTemplate(7099, pData, nSize)) << "no such menu";
    ASSERT_TRUE(LoadMenuTemplate(CMenuFrame::kMainMenu, pData, nSize));
    MenuTemplateCursor cursor;
    ASSERT_TRUE(MenuTemplate::FirstItem(pData, nSize, cursor));
    HMENU hMenu = BuildPopupMenu(cursor);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(3, ::GetMenuItemCount(hMenu));
    HMENU hFile = ::GetSubMenu(hMenu, 0);
    ASSERT_NE(nullptr, hFile);
    EXPECT_EQ(7102u, ::GetMenuItemID(hFile, 1));
    char szText[32] = {};
    ::GetMenuStringA(hFile, 1, szText, sizeof szText, MF_BYPOSITION);
    EXPECT_STREQ("E&xit", szText);
    ::GetMenuStringA(hMenu, 2, szText, sizeof szText, MF_BYPOSITION);
    EXPECT_STREQ("&Help", szText);
    ::DestroyMenu(hMenu);

    // The second popup found by walking the top level.
    ASSERT_TRUE(MenuTemplate::FirstItem(pData, nSize, cursor));
    ASSERT_TRUE(MenuTemplate::SkipToItem(cursor, 1));
    std::u16string text;
    ASSERT_TRUE(MenuTemplate::ItemText(cursor, text));
    EXPECT_STREQ("&Edit", MenuTextToAnsi(text));
    EXPECT_EQ('E', CaptionMnemonic("&Edit"));
    EXPECT_EQ(0, CaptionMnemonic("Edit&"));
    EXPECT_STREQ("Edit", CaptionWithoutAmpersand("&Edit"));
}
