// The helpers every control is built from: the capture loop, the DC scopes
// and the notifications that report whether the sender survived.
#include "framework/tests/win/TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A plain window that counts the WM_USER messages it is given and, as a
// parent, answers WM_NOTIFY/WM_COMMAND (destroying the sender when asked).
struct TestWindowState
{
    int nUser = 0;
    bool bDestroySender = false;
    NMHDR lastHdr = {};
    WPARAM lastCommand = 0;
};
TestWindowState g_state;

LRESULT CALLBACK TestWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_USER:
        ++g_state.nUser;
        return 0;
    case WM_NOTIFY:
        g_state.lastHdr = *(NMHDR*)lParam;
        if (g_state.bDestroySender)
            ::DestroyWindow(g_state.lastHdr.hwndFrom);
        return 42;
    case WM_COMMAND:
        g_state.lastCommand = wParam;
        if (g_state.bDestroySender)
            ::DestroyWindow((HWND)lParam);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreateTestWindow(HWND hParent = nullptr, int nID = 0)
{
    static const char* const kClass = "G7KControlKitTest";
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(::GetModuleHandleA(nullptr), kClass, &wc)) {
        wc.lpfnWndProc = TestWndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        ::RegisterClassA(&wc);
    }
    DWORD dwStyle = hParent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
    return ::CreateWindowExA(0, kClass, "", dwStyle, 10, 10, 200, 150, hParent, (HMENU)(INT_PTR)nID,
                             ::GetModuleHandleA(nullptr), nullptr);
}

// Records what the loop told it; optional actions for the idle and move hooks.
class CRecordingLoop : public CCaptureLoop
{
public:
    using CCaptureLoop::CCaptureLoop;
    std::string log;
    int nIdle = 0;
    int nEndAfterIdles = 0;     // End from OnIdle after this many calls
    bool bReleaseOnMove = false;
    bool bDestroyOnMove = false;

protected:
    void OnMove(CPoint pt) override
    {
        log += "move(" + std::to_string(pt.x) + "," + std::to_string(pt.y) + ") ";
        if (bReleaseOnMove)
            ::ReleaseCapture();
        if (bDestroyOnMove)
            ::DestroyWindow(GetWindow());
    }
    void OnIdle() override
    {
        if (++nIdle == nEndAfterIdles)
            End(CPoint(-1, -1));
    }
    void OnEnd(CPoint pt) override
    {
        log += "end(" + std::to_string(pt.x) + "," + std::to_string(pt.y) + ")";
        EXPECT_NE(::GetCapture(), GetWindow());   // released first
    }
    void OnCancel() override { log += "cancel"; }
};

struct PostedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

TEST(CaptureLoop, EndsCancelsAndDispatchesByTheMessagesPosted)
{
    struct Case
    {
        const char* name;
        std::vector<PostedMessage> posted;
        bool bReleaseOnMove;
        bool bEnded;
        const char* log;
        int nUser;
    };
    const Case cases[] = {
        {"moves then release",
         {{WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 6)}, {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7, -2)},
          {WM_LBUTTONUP, 0, MAKELPARAM(8, 9)}},
         false, true, "move(5,6) move(7,-2) end(8,9)", 0},
        {"escape", {{WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)}, {WM_KEYDOWN, VK_ESCAPE, 0}}, false, false,
         "move(1,1) cancel", 0},
        {"right button", {{WM_RBUTTONDOWN, MK_RBUTTON, 0}, {WM_LBUTTONUP, 0, 0}}, false, false, "cancel", 0},
        {"other messages are dispatched",
         {{WM_USER, 0, 0}, {WM_KEYDOWN, 'A', 0}, {WM_USER, 0, 0}, {WM_LBUTTONUP, 0, MAKELPARAM(3, 4)}},
         false, true, "end(3,4)", 2},
        {"capture lost", {{WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)}, {WM_LBUTTONUP, 0, 0}}, true, false,
         "move(2,2) cancel", 0},
    };
    HWND hWnd = CreateTestWindow();
    ASSERT_NE(hWnd, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PumpMessages();
        g_state = TestWindowState();
        for (const PostedMessage& m : c.posted)
            ::PostMessageA(hWnd, m.message, m.wParam, m.lParam);
        CRecordingLoop loop(hWnd);
        loop.bReleaseOnMove = c.bReleaseOnMove;
        EXPECT_EQ(loop.Run(), c.bEnded);
        EXPECT_EQ(loop.log, c.log);
        EXPECT_EQ(g_state.nUser, c.nUser);
        EXPECT_NE(::GetCapture(), hWnd);
    }
    ::DestroyWindow(hWnd);
}

TEST(CaptureLoop, QuitCancelsAndIsPostedAgain)
{
    HWND hWnd = CreateTestWindow();
    PumpMessages();
    ::PostQuitMessage(7);
    CRecordingLoop loop(hWnd);
    EXPECT_FALSE(loop.Run());
    EXPECT_EQ(loop.log, "cancel");
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    ::DestroyWindow(hWnd);
}

TEST(CaptureLoop, AWindowDestroyedDuringTheLoopGetsNoHook)
{
    HWND hWnd = CreateTestWindow();
    PumpMessages();
    ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    CRecordingLoop loop(hWnd);
    loop.bDestroyOnMove = true;
    EXPECT_FALSE(loop.Run());
    EXPECT_EQ(loop.log, "move(4,4) ");   // no cancel: its owner may be gone
}

TEST(CaptureLoop, IdleHookRunsWhileNoInputArrives)
{
    HWND hWnd = CreateTestWindow();
    PumpMessages();
    // A window of another test on the shared display can take the capture
    // while this loop waits, which rightly cancels it: then try again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        ::SetForegroundWindow(hWnd);
        CRecordingLoop loop(hWnd);
        loop.SetIdleInterval(5);
        loop.nEndAfterIdles = 3;   // an autoscroll that stops after three steps
        if (!loop.Run() && loop.log == "cancel" && attempt < 4)
            continue;
        EXPECT_EQ(loop.nIdle, 3);
        EXPECT_EQ(loop.log, "end(-1,-1)");
        break;
    }
    ::DestroyWindow(hWnd);
}

TEST(GdiScopes, RestoreWhatWasSelectedAndSaved)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ hPenBefore = ::GetCurrentObject(dc, OBJ_PEN);
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush brush(RGB(0, 255, 0));
    {
        CSelectObjectScope selectPen(dc, pen);
        CSelectObjectScope selectBrush(dc.m_hDC, brush.m_hObject);
        CSelectObjectScope selectNothing(dc, (HGDIOBJ)nullptr);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.m_hObject);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush.m_hObject);
        EXPECT_EQ(selectPen.GetOld(), hPenBefore);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), hPenBefore);
    EXPECT_NE(::GetCurrentObject(dc, OBJ_BRUSH), brush.m_hObject);

    {
        CSaveDCScope save(dc);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SelectObject(&pen);
        {
            CSaveDCScope inner(dc.m_hDC);
            dc.SetBkMode(TRANSPARENT);
        }
        EXPECT_EQ(dc.GetBkMode(), OPAQUE);
        EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    }
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), hPenBefore);
}

TEST(GdiScopes, SavingAPreviewDCRestoresBothItsContexts)
{
    CDC output, attrib;
    ASSERT_TRUE(output.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(attrib.CreateCompatibleDC(nullptr));
    ::SaveDC(output);   // the two save stacks need not be alike
    CDC preview;
    preview.m_hDC = output.m_hDC;
    preview.m_hAttribDC = attrib.m_hDC;
    {
        CSaveDCScope save(preview);
        preview.SetMapMode(MM_LOMETRIC);   // reaches both
    }
    EXPECT_EQ(::GetMapMode(output), MM_TEXT);
    EXPECT_EQ(::GetMapMode(attrib), MM_TEXT);
    preview.m_hDC = preview.m_hAttribDC = nullptr;
}

TEST(ControlNotify, TellsWhetherTheSenderSurvivedItsParent)
{
    HWND hParent = CreateTestWindow();
    for (bool bDestroy : {false, true}) {
        SCOPED_TRACE(bDestroy ? "parent destroys the sender" : "sender survives");
        g_state = TestWindowState();
        g_state.bDestroySender = bDestroy;
        HWND hCtrl = CreateTestWindow(hParent, 1234);
        NMHDR hdr = {};
        LRESULT lResult = 0;
        EXPECT_EQ(SendNotifyToParent(hCtrl, hdr, LVN_ITEMCHANGED, &lResult), !bDestroy);
        EXPECT_EQ(lResult, 42);
        EXPECT_EQ(g_state.lastHdr.hwndFrom, hCtrl);
        EXPECT_EQ(g_state.lastHdr.idFrom, 1234u);
        EXPECT_EQ(g_state.lastHdr.code, (UINT)LVN_ITEMCHANGED);

        if (!bDestroy) {
            g_state.bDestroySender = true;
            EXPECT_FALSE(SendCommandToParent(hCtrl, BN_CLICKED));
            EXPECT_EQ(g_state.lastCommand, MAKEWPARAM(1234, BN_CLICKED));
        }
        EXPECT_FALSE(::IsWindow(hCtrl));
    }
    HWND hCtrl = CreateTestWindow(hParent, 7);
    g_state = TestWindowState();
    EXPECT_TRUE(SendCommandToParent(hCtrl, LBN_SELCHANGE));
    EXPECT_EQ(g_state.lastCommand, MAKEWPARAM(7, LBN_SELCHANGE));
    ::DestroyWindow(hParent);
}

TEST(ToolTipOwner, AddsReplacesAndRemovesToolsOfWindowsItDoesNotDieWith)
{
    CToolTipOwner tips;
    HWND hFirst = CreateTestWindow();
    HWND hSecond = CreateTestWindow();
    CRect rect(0, 0, 20, 10);
    EXPECT_TRUE(tips.AddTool(hFirst, 1, "New", &rect));
    EXPECT_TRUE(tips.AddTool(hFirst, 1, "New (Insert)", &rect));   // replaces
    EXPECT_TRUE(tips.AddTool(hFirst, 2, "Delete"));
    EXPECT_TRUE(tips.AddTool(hSecond, 1, LPSTR_TEXTCALLBACK));
    EXPECT_EQ(tips.GetToolCount(), 3);
    tips.RemoveTool(hFirst, 2);
    EXPECT_EQ(tips.GetToolCount(), 2);

    HWND hTip = tips.GetControl()->m_hWnd;
    tips.RemoveTools(hFirst);
    ::DestroyWindow(hFirst);
    EXPECT_EQ(tips.GetToolCount(), 1);
    EXPECT_TRUE(::IsWindow(hTip));   // not owned by the window that went
    EXPECT_EQ(tips.GetControl()->m_hWnd, hTip);

    // Destroyed from outside: made again, empty.
    ::DestroyWindow(hTip);
    EXPECT_TRUE(tips.AddTool(hSecond, 5, "again"));
    EXPECT_EQ(tips.GetToolCount(), 1);
    EXPECT_FALSE(tips.AddTool(hFirst, 1, "gone"));
    ::DestroyWindow(hSecond);
}

// Reports tool 1 in the left half of its client area, tool 2 in the right
// half and nothing below y 50.
class CHalvesWnd : public CWnd
{
public:
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        if (point.y >= 50)
            return -1;
        int nHit = point.x < 100 ? 1 : 2;
        pTI->hwnd = m_hWnd;
        pTI->uId = nHit;
        pTI->rect = CRect(nHit == 1 ? 0 : 100, 0, nHit == 1 ? 100 : 200, 50);
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        return nHit;
    }
};

TEST(ToolTipOwner, HitTestRelayKeepsOnlyTheToolUnderTheMouse)
{
    CHalvesWnd wnd;
    ASSERT_TRUE(wnd.Attach(CreateTestWindow()));
    CToolTipOwner tips;
    HWND hOther = CreateTestWindow();
    tips.AddTool(hOther, 9, "fixed");
    auto moveTo = [&](int x, int y) {
        CPoint pt(x, y);
        wnd.ClientToScreen(&pt);
        MSG msg = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, pt};
        tips.FilterMessage(&wnd, &msg);
    };
    struct Step { int x, y, nTools; };
    const Step steps[] = {{10, 10, 2}, {20, 10, 2}, {150, 10, 2}, {150, 60, 1}, {10, 10, 2}};
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.x) + "," + std::to_string(step.y));
        moveTo(step.x, step.y);
        EXPECT_EQ(tips.GetToolCount(), step.nTools);
    }
    ::DestroyWindow(wnd.Detach());
    ::DestroyWindow(hOther);
}

} // namespace
