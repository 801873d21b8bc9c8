// The library's frames in real windows: an MDI frame with its menu bar
// switched on follows the active child's template and comes back to its
// own menu when the last child closes; without a menu bar the window's own
// menu stays. The SDI frame loads without a missing menu, and
// "WM_SECGETMENU" answers only for menus the frame knows. Commands reach a
// command plug-in, and the frame is guarded while toolbars are customised.
#include "framework/Framework.h"
#include "app/tests/Screenshot.h"
#include "mvc/WndPlugIn.h"
#include "ui/frames/SECFrameWnd.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECBtnCaption.h"
#include "ui/frames/SECCapMenuBtn.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECMDIMenuBar.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECToolBarManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

class CFramesTestApp : public CWinApp
{
public:
    CFramesTestApp() { SetRegistryKey("G7K Frames Tests"); }
};
CFramesTestApp theApp;

constexpr UINT kFrameMenu = 7001;
constexpr UINT kSheetMenu = 7002;
constexpr UINT kToolsMenu = 7003;
constexpr UINT kNoMenu = 7099;
constexpr UINT kPlugInCommand = 7501;

void Pump()
{
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!theApp.PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::Sleep(10);
    }
}

HMENU AskMenu(CWnd* pFrame, UINT nID, int nIndex)
{
    return (HMENU)pFrame->SendMessage(SECFrameFeatures::GetMenuMessage(), nID, nIndex);
}

void Shot(CWnd* pWnd, const char* pszName)
{
    const char* pszDir = ::getenv("G7K_BINARY_DIR");
    const std::string strPath = std::string(pszDir ? pszDir : ".") + "/ui_frames_" + pszName + ".bmp";
    SaveWindowBitmap(pWnd->m_hWnd, strPath.c_str());
}

// The test frames' menu bar, with the frame's own menu and the sheets'.
bool CreateMenuBar(CFrameWnd* pFrame, SECMenuBar& bar)
{
    return bar.Create(pFrame, "Menu", WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0xE807) &&
           bar.SetMenuInfo({kFrameMenu, kSheetMenu});
}

// An MDI frame with the menu bar switched on.
class CMenuBarFrame : public SECMDIFrameWnd
{
public:
    CMenuBarFrame() { SetMenuBar(&m_bar); }
    SECMenuBar m_bar;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        return CreateMenuBar(this, m_bar) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuBarFrame, SECMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The same with the MDI menu bar: a maximised child's buttons on it.
class CMdiMenuBarFrame : public SECMDIFrameWnd
{
public:
    CMdiMenuBarFrame() { SetMenuBar(&m_bar); }
    SECMDIMenuBar m_bar;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        return CreateMenuBar(this, m_bar) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMdiMenuBarFrame, SECMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// With bitmap popups drawn from a toolbar manager's images; logs the popups
// that open and the commands that arrive.
class CBmpMenuBarFrame : public CMenuBarFrame
{
public:
    CBmpMenuBarFrame()
    {
        EnableBmpMenus(TRUE);
        SetControlBarManager(&m_manager);
        m_bAutoMenuEnable = FALSE;   // the test's commands have no handlers
    }
    ~CBmpMenuBarFrame() override { SetControlBarManager(nullptr); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_INITMENUPOPUP && HIWORD(lParam) == 0)
            m_log.push_back("popup " + std::to_string(::GetMenuItemID((HMENU)wParam, 0)));
        if (message == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0)
            m_log.push_back("command " + std::to_string(LOWORD(wParam)));
        return CMenuBarFrame::WindowProc(message, wParam, lParam);
    }
    SECToolBarManager m_manager{this};
    std::vector<std::string> m_log;
};

// Pumps the application's messages while another thread types, logging
// every change of the bar's menu mode.
void TypeWhilePumping(CBmpMenuBarFrame& frame, const std::vector<std::vector<WORD>>& strokes)
{
    std::atomic<bool> bDone{false};
    std::thread typist([&] {
        for (const std::vector<WORD>& chord : strokes) {
            ::Sleep(250);
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
            if (!theApp.PreTranslateMessage(&msg)) {
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

// Counts the commands it is given first.
class CCountingPlugIn : public SECWndPlugIn
{
    DECLARE_DYNCREATE(CCountingPlugIn)
public:
    static int s_nCommands;
    void OnPlugInCommand() { ++s_nCommands; }
    DECLARE_MESSAGE_MAP()
};
int CCountingPlugIn::s_nCommands = 0;

} // namespace

class CSheetDoc : public CDocument
{
    DECLARE_DYNCREATE(CSheetDoc)
};
IMPLEMENT_DYNCREATE(CSheetDoc, CDocument)

class CSheetView : public CView
{
    DECLARE_DYNCREATE(CSheetView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CSheetView, CView)

class CSheetFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CSheetFrame)
};
IMPLEMENT_DYNCREATE(CSheetFrame, SECMDIChildWnd)

IMPLEMENT_DYNCREATE(CCountingPlugIn, SECWndPlugIn)
BEGIN_MESSAGE_MAP(CCountingPlugIn, SECWndPlugIn)
    ON_COMMAND(kPlugInCommand, OnPlugInCommand)
END_MESSAGE_MAP()

namespace {

CMultiDocTemplate* SheetTemplate()
{
    static CMultiDocTemplate* s_pTemplate = nullptr;
    if (s_pTemplate == nullptr) {
        s_pTemplate = new CMultiDocTemplate(kSheetMenu, RUNTIME_CLASS(CSheetDoc), RUNTIME_CLASS(CSheetFrame),
                                            RUNTIME_CLASS(CSheetView));
        theApp.AddDocTemplate(s_pTemplate);
    }
    return s_pTemplate;
}

} // namespace

TEST(FramesGui, MenuBarFollowsTheActiveChildsTemplateAndComesBack)
{
    CMultiDocTemplate* pTemplate = SheetTemplate();
    auto* pFrame = new CMenuBarFrame;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    Pump();
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd)) << "the menu bar holds the menu";
    EXPECT_EQ(kFrameMenu, pFrame->m_bar.GetCurrentMenuId());
    ASSERT_NE(nullptr, pFrame->GetMenuBarMenu());
    EXPECT_NE(nullptr, pFrame->GetFeatures().GetMenuBarFeature()) << "the menu bar's plug-in";
    EXPECT_EQ(::GetSubMenu(pFrame->GetMenuBarMenu(), 1), AskMenu(pFrame, kFrameMenu, 1));
    EXPECT_EQ(nullptr, AskMenu(pFrame, 4711, 0)) << "a menu the frame does not know";

    CDocument* pFirst = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pFirst);
    Pump();
    EXPECT_EQ(kSheetMenu, pFrame->m_bar.GetCurrentMenuId()) << "the sheet's menu while a sheet is active";
    EXPECT_EQ(::GetSubMenu(pTemplate->m_hMenuShared, 0), AskMenu(pFrame, kSheetMenu, 0));
    HMENU hWindowMenu = ::GetSubMenu(pTemplate->m_hMenuShared, 2);
    const int nItems = ::GetMenuItemCount(hWindowMenu);
    ASSERT_GE(nItems, 2);
    EXPECT_EQ((UINT)AFX_IDM_FIRST_MDICHILD, ::GetMenuItemID(hWindowMenu, nItems - 1))
        << "the open sheet is listed in the menu bar's Window menu";

    CDocument* pSecond = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pSecond);
    Pump();
    EXPECT_EQ(kSheetMenu, pFrame->m_bar.GetCurrentMenuId());
    Shot(pFrame, "menu_bar_sheet");
    POSITION pos = pFirst->GetFirstViewPosition();
    CFrameWnd* pFirstFrame = pFirst->GetNextView(pos)->GetParentFrame();
    EXPECT_NE(pFirstFrame, pFrame->MDIGetActive());
    pFrame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    Pump();
    EXPECT_EQ(pFirstFrame, pFrame->MDIGetActive()) << "chosen from the Window menu";
    pSecond->OnCloseDocument();
    Pump();
    EXPECT_EQ(kSheetMenu, pFrame->m_bar.GetCurrentMenuId()) << "the other sheet is active now";
    pFirst->OnCloseDocument();
    Pump();
    EXPECT_EQ(kFrameMenu, pFrame->m_bar.GetCurrentMenuId()) << "the last sheet went";
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    Shot(pFrame, "menu_bar_own");

    // While the layout is deferred a switch only marks it pending.
    pFrame->m_bDeferLayout = TRUE;
    pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
    pFrame->SetMenuBarMenu(kSheetMenu);
    EXPECT_EQ(kSheetMenu, pFrame->m_bar.GetCurrentMenuId());
    EXPECT_NE(0u, pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
    pFrame->SetMenuBarMenu(0);
    EXPECT_EQ(kFrameMenu, pFrame->m_bar.GetCurrentMenuId()) << "0 is the frame's own menu too";
    pFrame->m_bDeferLayout = FALSE;

    EXPECT_FALSE(pFrame->AddMenus(2, kToolsMenu, 4711)) << "4711 is no menu";
    EXPECT_NE(nullptr, pFrame->GetMenuForResource(kToolsMenu)) << "the menus before the missing one stay";
    EXPECT_TRUE(pFrame->AddMenus(0));
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

TEST(FramesGui, MaximisedChildsButtonsComeAndGoOnTheMdiMenuBar)
{
    CMultiDocTemplate* pTemplate = SheetTemplate();
    auto* pFrame = new CMdiMenuBarFrame;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    Pump();
    SECMDIMenuBar& bar = pFrame->m_bar;
    const auto shown = [&] {
        const int nLast = bar.GetButtonCount() - 1;
        const bool bIcon = !(bar.GetButton(0)->m_nStyle & TBBS_HIDDEN_BIT);
        const bool bCaption = !(bar.GetButton(nLast)->m_nStyle & TBBS_HIDDEN_BIT);
        EXPECT_EQ(bIcon, bCaption);
        return bIcon && bCaption;
    };
    ASSERT_EQ(bar.GetIconButton(), bar.GetButton(0));
    EXPECT_FALSE(shown());

    CDocument* pDoc = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDoc);
    Pump();
    EXPECT_FALSE(shown()) << "not maximised";
    pFrame->MDIMaximize(pFrame->MDIGetActive());
    Pump();
    EXPECT_TRUE(shown()) << "the child's size change refreshes the buttons";
    EXPECT_EQ(bar.GetCaptionButton(), bar.GetButton(bar.GetButtonCount() - 1));
    pFrame->RecalcLayout();   // what the idle time would do
    pFrame->UpdateWindow();
    Shot(pFrame, "mdi_menu_bar_maximised");

    pDoc->OnCloseDocument();
    Pump();
    EXPECT_EQ(kFrameMenu, bar.GetCurrentMenuId());
    EXPECT_FALSE(shown()) << "back on the frame's own menu";
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

TEST(FramesGui, WithoutAMenuBarTheWindowKeepsItsMenu)
{
    auto* pFrame = new SECMDIFrameWnd;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(hMenu, pFrame->GetMenuBarMenu()) << "the default menu";
    pFrame->SetMenuBarMenu(kSheetMenu);
    pFrame->RefreshWindowMenu();
    pFrame->RefreshMDIButtons();
    EXPECT_EQ(hMenu, ::GetMenu(pFrame->m_hWnd)) << "nothing to switch";
    EXPECT_EQ(nullptr, pFrame->GetFeatures().GetMenuBarFeature());
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

TEST(FramesGui, SdiFrameLoadsWithoutAMissingMenuAndKnowsOnlyItsOwn)
{
    auto* pPlain = new SECFrameWnd;
    ASSERT_TRUE(pPlain->LoadFrame(kNoMenu, WS_OVERLAPPEDWINDOW)) << "a missing menu is no failure";
    EXPECT_EQ(nullptr, ::GetMenu(pPlain->m_hWnd));
    EXPECT_EQ(nullptr, AskMenu(pPlain, kNoMenu, 0));
    EXPECT_EQ(nullptr, AskMenu(pPlain, kFrameMenu, 0));
    const HWND hPlain = pPlain->m_hWnd;
    pPlain->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hPlain)) << "closed and gone";

    SECMenuBar bar;
    auto* pWithBar = new SECFrameWnd;
    pWithBar->SetMenuBar(&bar);
    ASSERT_TRUE(pWithBar->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(nullptr, ::GetMenu(pWithBar->m_hWnd)) << "the menu goes into the menu bar";
    ASSERT_NE(nullptr, pWithBar->GetMenuBarMenu());
    EXPECT_EQ(::GetSubMenu(pWithBar->GetMenuBarMenu(), 0), AskMenu(pWithBar, kFrameMenu, 0));
    EXPECT_EQ(nullptr, AskMenu(pWithBar, kSheetMenu, 0)) << "no template lookup in an SDI frame";
    pWithBar->DestroyWindow();
}

TEST(FramesGui, CommandPlugInGetsCommandsFirst)
{
    auto* pFrame = new SECMDIFrameWnd;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    EXPECT_EQ(nullptr, pFrame->CreateCommandPlugIn(RUNTIME_CLASS(CSheetDoc))) << "no window plug-in";
    ASSERT_NE(nullptr, pFrame->CreateCommandPlugIn(RUNTIME_CLASS(CCountingPlugIn)));
    CCountingPlugIn::s_nCommands = 0;
    pFrame->SendMessage(WM_COMMAND, kPlugInCommand, 0);
    EXPECT_EQ(1, CCountingPlugIn::s_nCommands);
    for (UINT nID : {43007u, 43014u, 43031u, 43039u})
        EXPECT_TRUE(pFrame->OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr)) << nID << ": a workspace command is taken";
    EXPECT_FALSE(pFrame->OnCmdMsg(43010, CN_COMMAND, nullptr, nullptr));

    auto* pSdi = new SECFrameWnd;
    ASSERT_TRUE(pSdi->LoadFrame(kNoMenu, WS_OVERLAPPEDWINDOW));
    ASSERT_NE(nullptr, pSdi->CreateCommandPlugIn(RUNTIME_CLASS(CCountingPlugIn)));
    pSdi->SendMessage(WM_COMMAND, kPlugInCommand, 0);
    EXPECT_EQ(2, CCountingPlugIn::s_nCommands);
    pSdi->DestroyWindow();
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

TEST(FramesGui, CustomisingGuardsTheFrame)
{
    auto* pFrame = new SECMDIFrameWnd;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    SECToolBarManager manager(pFrame);
    pFrame->SetControlBarManager(&manager);
    CRect rect;
    pFrame->GetWindowRect(&rect);
    const LPARAM lCaption = MAKELPARAM(rect.CenterPoint().x, rect.top + ::GetSystemMetrics(SM_CYFRAME) + 2);
    MSG close = {pFrame->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {0, 0}};
    EXPECT_NE(HTERROR, pFrame->SendMessage(WM_NCHITTEST, 0, lCaption));

    manager.BeginCustomize();
    EXPECT_EQ(HTERROR, pFrame->SendMessage(WM_NCHITTEST, 0, lCaption)) << "the border does not answer";
    EXPECT_TRUE(pFrame->PreTranslateMessage(&close)) << "no closing under the sheet";
    // A dialog's idle time lays out what waits.
    pFrame->m_nIdleFlags |= CFrameWnd::idleLayout;
    pFrame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
    EXPECT_EQ(0u, pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
    manager.EndCustomize();
    EXPECT_NE(HTERROR, pFrame->SendMessage(WM_NCHITTEST, 0, lCaption));
    EXPECT_FALSE(pFrame->PreTranslateMessage(&close));

    // A change of the system colours refreshes the toolbars' colour cache.
    SECGetSysColors().clrBtnFace = ::GetSysColor(COLOR_BTNFACE) ^ 0x00FFFFFF;
    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), SECGetSysColors().clrBtnFace);

    pFrame->SetControlBarManager(nullptr);
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

// A frame inside the MDI frame that is no MDI child stands in for the
// active child: it is the active frame, gets commands first and brings its
// menu into the menu bar.
TEST(FramesGui, EmbeddedFrameIsActiveInsteadOfTheChild)
{
    auto* pFrame = new CMenuBarFrame;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    auto* pEmbedded = new SECFrameWnd;
    ASSERT_TRUE(pEmbedded->Create(nullptr, "Embedded", WS_CHILD | WS_VISIBLE, CRect(10, 40, 300, 200), pFrame));
    pEmbedded->m_nIDHelp = kSheetMenu;
    ASSERT_NE(nullptr, pEmbedded->CreateCommandPlugIn(RUNTIME_CLASS(CCountingPlugIn)));
    CCountingPlugIn::s_nCommands = 0;

    pFrame->SetActiveEmbeddedFrame(pEmbedded);
    EXPECT_EQ(pEmbedded, pFrame->GetActiveFrame());
    EXPECT_EQ(kSheetMenu, pFrame->m_bar.GetCurrentMenuId()) << "the embedded frame's menu";
    pFrame->SendMessage(WM_COMMAND, kPlugInCommand, 0);
    EXPECT_EQ(1, CCountingPlugIn::s_nCommands) << "through the embedded frame";

    pFrame->SetActiveEmbeddedFrame(nullptr);
    EXPECT_EQ(nullptr, pFrame->GetActiveEmbeddedFrame());
    EXPECT_EQ(pFrame, pFrame->GetActiveFrame());
    EXPECT_EQ(kFrameMenu, pFrame->m_bar.GetCurrentMenuId()) << "the frame's own menu again";
    pFrame->SendMessage(WM_COMMAND, kPlugInCommand, 0);
    EXPECT_EQ(1, CCountingPlugIn::s_nCommands);
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

// Docking at a place with a share, floating clamped into the work area, a
// bar alone in its floating frame moving that frame, and a drag's float
// always making a new one.
TEST(FramesGui, BarsDockAtAPlaceAndFloatClampedOrReused)
{
    auto* pFrame = new SECMDIFrameWnd;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar bars[2];
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(bars[i].Create(pFrame, i == 0 ? "Bar A" : "Bar B", WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                                   EXSTYLE_GRIPPER, 0xE900 + i));
        bars[i].m_szHorz = CSize(200, 60);
        bars[i].EnableDocking(CBRS_ALIGN_ANY);
    }
    pFrame->DockControlBarEx(&bars[0], AFX_IDW_DOCKBAR_TOP, 0, 0, 0.6f, 0);
    pFrame->DockControlBarEx(&bars[1], AFX_IDW_DOCKBAR_TOP, 1, 0, 0.4f, 0);
    pFrame->RecalcLayout();
    Pump();
    auto* pTop = dynamic_cast<SECDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    ASSERT_NE(nullptr, pTop);
    EXPECT_EQ(pTop, bars[0].m_pDockBar);
    EXPECT_EQ(pTop, bars[1].m_pDockBar);
    EXPECT_FALSE(pFrame->GetLayoutRect().IsRectEmpty());

    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    pFrame->FloatControlBar(&bars[0], CPoint(rcWork.right + 500, rcWork.top - 300));
    Pump();
    ASSERT_TRUE(bars[0].IsFloating());
    CWnd* pFloating = bars[0].GetParentFrame();
    CRect rcFloat;
    pFloating->GetWindowRect(&rcFloat);
    EXPECT_EQ(CPoint(rcWork.right - 10, rcWork.top), rcFloat.TopLeft()) << "kept on the screen";

    pFrame->FloatControlBar(&bars[0], CPoint(100, 120));
    Pump();
    EXPECT_EQ(pFloating, bars[0].GetParentFrame()) << "the same floating frame moves";
    pFloating->GetWindowRect(&rcFloat);
    EXPECT_EQ(CPoint(100, 120), rcFloat.TopLeft());

    pFrame->FloatControlBarAt(&bars[0], CPoint(150, 160));
    Pump();
    EXPECT_NE(pFloating, bars[0].GetParentFrame()) << "a new floating frame";
    EXPECT_TRUE(bars[0].GetParentFrame()->IsWindowVisible());
    pFrame->DockControlBar(&bars[0], AFX_IDW_DOCKBAR_TOP);
    Pump();
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

// The frame's own plug-ins drive the menu bar: Alt, the arrows and Return
// walk it, and the popups are the bitmap menus.
TEST(FramesGui, MenuBarOfTheMdiFrameFollowsAltAndTheArrows)
{
    auto* pFrame = new CBmpMenuBarFrame;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(kFrameMenu, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    pFrame->SetFocus();
    Pump();
    ASSERT_NE(nullptr, pFrame->GetFeatures().GetMenuBarFeature());
    ASSERT_NE(nullptr, pFrame->GetFeatures().GetBmpMenuPlugIn()) << "bitmap menus beside the menu bar";

    TypeWhilePumping(*pFrame, {{VK_MENU}, {VK_RIGHT}, {VK_DOWN}, {VK_LEFT}, {VK_RETURN}});
    const std::vector<std::string> expected = {"mode 0", "mode 1", "popup 7301", "popup 7101", "command 7101"};
    EXPECT_EQ(expected, pFrame->m_log);
    EXPECT_FALSE(pFrame->m_bar.IsInMenuMode());
    Shot(pFrame, "menu_bar_keys");
    pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
}

// The SDI frame docks and floats its bars as the MDI frame does, and its
// bar layout comes back in a frame made afterwards.
TEST(FramesGui, SdiFrameDocksFloatsAndRestoresItsBars)
{
    const char kProfile[] = "FramesSdiTest";
    auto build = [](SECFrameWnd*& pFrame, SECControlBar& bar) {
        pFrame = new SECFrameWnd;
        ASSERT_TRUE(pFrame->LoadFrame(kNoMenu, WS_OVERLAPPEDWINDOW));
        pFrame->ShowWindow(SW_SHOW);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(pFrame, "Bar", WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, EXSTYLE_GRIPPER, 0xE910));
        bar.m_szHorz = CSize(200, 60);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBarEx(&bar, AFX_IDW_DOCKBAR_LEFT, 0, 0);
    };
    SECFrameWnd* pFrame = nullptr;
    SECControlBar bar;
    build(pFrame, bar);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT), bar.m_pDockBar);
    pFrame->FloatControlBar(&bar, CPoint(-400, -400));
    Pump();
    ASSERT_TRUE(bar.IsFloating());
    CRect rcWork, rcFloat;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    bar.GetParentFrame()->GetWindowRect(&rcFloat);
    EXPECT_EQ(rcWork.TopLeft(), rcFloat.TopLeft()) << "kept on the screen";
    pFrame->FloatControlBar(&bar, CPoint(120, 140));
    Pump();
    pFrame->SaveBarState(kProfile);
    pFrame->DestroyWindow();

    SECControlBar barAgain;
    build(pFrame, barAgain);
    ASSERT_NE(nullptr, pFrame);
    pFrame->LoadBarState(kProfile);
    Pump();
    ASSERT_TRUE(barAgain.IsFloating()) << "the saved layout floats it again";
    barAgain.GetParentFrame()->GetWindowRect(&rcFloat);
    EXPECT_EQ(CPoint(120, 140), rcFloat.TopLeft());
    pFrame->DestroyWindow();
}
