// Message maps: dispatch of window messages, commands, ranges, registered
// messages, reflection and command-UI updates.
#include "framework/tests/win/TestApp.h"

#include <gtest/gtest.h>

namespace {

const UINT g_nRegistered = ::RegisterWindowMessageA("G7KFrameworkTestMessage");

class CReflectingButton : public CButton
{
public:
    int m_nClicks = 0;
    void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CMapWnd : public CWnd
{
public:
    CSize m_size;
    std::vector<UINT> m_commands;
    int m_nParentClicks = 0;
    BOOL m_bEnableUpdated = TRUE;

    void OnSize(UINT, int cx, int cy) { m_size = CSize(cx, cy); }
    LRESULT OnApp(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam + lParam); }
    LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
    void OnRange(UINT nID) { m_commands.push_back(nID); }
    void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableUpdated); }
    void OnButton() { ++m_nParentClicks; }
    void OnPlain() { m_commands.push_back(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapWnd, CWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_APP + 5, OnApp)
    ON_REGISTERED_MESSAGE(g_nRegistered, OnRegistered)
    ON_COMMAND_RANGE(100, 110, OnRange)
    ON_UPDATE_COMMAND_UI_RANGE(100, 105, OnUpdateRange)
    ON_BN_CLICKED(200, OnButton)
    ON_BN_CLICKED(201, OnButton)
    ON_COMMAND(300, OnPlain)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "map", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    CMapWnd m_wnd;
};

TEST_F(MessageMap, DispatchesWindowMessagesAndLeavesTheRestToTheDefault)
{
    m_wnd.SetWindowPos(nullptr, 0, 0, 320, 240, SWP_NOZORDER);
    CRect client;
    m_wnd.GetClientRect(&client);
    EXPECT_EQ(m_wnd.m_size, client.Size());
    EXPECT_EQ(m_wnd.SendMessage(WM_APP + 5, 40, 2), 42);
    EXPECT_EQ(m_wnd.SendMessage(g_nRegistered), 77);
    // No entry: the default procedure answers (the window text).
    char text[16] = {};
    EXPECT_EQ(m_wnd.SendMessage(WM_GETTEXT, sizeof text, (LPARAM)text), 3);
    EXPECT_STREQ(text, "map");
    EXPECT_EQ(CWnd::FromHandlePermanent(m_wnd.m_hWnd), &m_wnd);
}

TEST_F(MessageMap, CommandRangesAndDisabledCommands)
{
    m_wnd.SendMessage(WM_COMMAND, 103);
    m_wnd.SendMessage(WM_COMMAND, 108);
    m_wnd.SendMessage(WM_COMMAND, 300);
    EXPECT_EQ(m_wnd.m_commands, (std::vector<UINT>{ 103, 108, 1 }));
    // A menu command whose update handler disables it is not carried out.
    m_wnd.m_bEnableUpdated = FALSE;
    m_wnd.SendMessage(WM_COMMAND, 104);
    EXPECT_EQ(m_wnd.m_commands.size(), 3u);
    m_wnd.SendMessage(WM_COMMAND, 107);   // outside the update range
    EXPECT_EQ(m_wnd.m_commands.back(), 107u);
}

TEST_F(MessageMap, HandlerQueryDoesNotRunTheHandler)
{
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(m_wnd.OnCmdMsg(300, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &m_wnd);
    EXPECT_TRUE(m_wnd.m_commands.empty());
    EXPECT_FALSE(m_wnd.OnCmdMsg(999, CN_COMMAND, nullptr, &info));
}

TEST_F(MessageMap, CommandUIDisablesItemsWithoutHandler)
{
    struct CRecordingCmdUI : CCmdUI {
        int nEnabled = -1;
        void Enable(BOOL bOn) override { nEnabled = bOn; m_bEnableChanged = TRUE; }
    };
    struct Case { UINT nID; BOOL bDisableIfNoHandler; int expected; } cases[] = {
        { 300, TRUE, 1 },    // command handler, no update handler: enabled
        { 999, TRUE, 0 },    // nothing: disabled
        { 999, FALSE, -1 },  // nothing, but leave it alone
        { 102, TRUE, 1 },    // update handler decides
    };
    for (const Case& c : cases) {
        CRecordingCmdUI state;
        state.m_nID = c.nID;
        state.DoUpdate(&m_wnd, c.bDisableIfNoHandler);
        EXPECT_EQ(state.nEnabled, c.expected) << c.nID;
    }
}

TEST_F(MessageMap, ControlNotificationsAreReflectedToTheControlFirst)
{
    CReflectingButton reflecting;
    ASSERT_TRUE(reflecting.Create("r", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_wnd, 200));
    CButton plain;
    ASSERT_TRUE(plain.Create("p", WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 20), &m_wnd, 201));
    reflecting.SendMessage(BM_CLICK);
    plain.SendMessage(BM_CLICK);
    EXPECT_EQ(reflecting.m_nClicks, 1);
    EXPECT_EQ(m_wnd.m_nParentClicks, 1);   // only the plain button reached the parent
}

TEST(HandleMap, TemporaryObjectsWrapForeignWindowsUntilIdle)
{
    HWND hDesktop = ::GetDesktopWindow();
    CWnd* pTemp = CWnd::FromHandle(hDesktop);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hDesktop);
    EXPECT_EQ(CWnd::FromHandle(hDesktop), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDesktop), nullptr);
    theApp.OnIdle(1);   // frees temporary objects
    EXPECT_EQ(CWnd::FromHandle(hDesktop)->m_hWnd, hDesktop);
}

TEST(HandleMap, BorrowedHandleIsNeverDestroyed)
{
    CMapWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    {
        CWnd plugIn;
        plugIn.m_hWnd = host.m_hWnd;   // borrowed, not attached
        plugIn.m_hWnd = nullptr;
    }
    {
        CWnd borrowed(host.m_hWnd);
    }
    EXPECT_TRUE(::IsWindow(host.m_hWnd));
    host.DestroyWindow();
}

TEST(WindowClasses, SameAttributesGiveTheSameClass)
{
    HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    LPCTSTR a = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
    LPCTSTR b = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
    LPCTSTR c = AfxRegisterWndClass(CS_HREDRAW, hArrow);
    EXPECT_STREQ(a, b);
    EXPECT_STRNE(a, c);
}

} // namespace

namespace {

TEST(Frame, ToolTipsAndPromptsComeFromTheCommandString)
{
    CMainFrame* pFrame = MainFrame();
    ASSERT_NE(pFrame, nullptr);
    TOOLTIPTEXTA ttt = {};
    ttt.hdr.hwndFrom = pFrame->m_hWnd;
    ttt.hdr.idFrom = ID_TEST_VIEWCMD;
    ttt.hdr.code = TTN_NEEDTEXTA;
    pFrame->SendMessage(WM_NOTIFY, ID_TEST_VIEWCMD, (LPARAM)&ttt);
    EXPECT_STREQ(ttt.szText, "View command");

    // The prompt goes to the status line, the child with the status bar's id.
    CStatic status;
    ASSERT_TRUE(status.Create("", WS_CHILD, CRect(0, 0, 10, 10), pFrame, AFX_IDW_STATUS_BAR));
    pFrame->SetMessageText(ID_TEST_VIEWCMD);
    CString text;
    status.GetWindowText(text);
    EXPECT_EQ(text, "Runs the view's command");
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);   // the menu closed
    status.GetWindowText(text);
    EXPECT_EQ(text, "Ready");
    status.DestroyWindow();
}

} // namespace

namespace {

TEST(Frame, ContextHelpModeEndsAtTheNextClick)
{
    CMainFrame* pFrame = MainFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_FALSE(pFrame->m_bHelpMode);
    EXPECT_NE(::GetCapture(), pFrame->m_hWnd);
}

} // namespace
