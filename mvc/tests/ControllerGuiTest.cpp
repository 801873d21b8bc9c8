// A controller plugged into a host window through a viewport: which messages
// reach its message map, what "handled" means, and the capture controller.
#include "framework/Framework.h"
#include "mvc/MvcController.h"
#include "mvc/MvcViewport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TestController : public MvcController {
 public:
  std::string log;

 protected:
  void OnLButtonDown(UINT, CPoint point) {
    log += "down(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
    SetHandled(0);  // handled, with the result 0
  }
  void OnKeyDown(UINT key, UINT, UINT) { log += "key" + std::to_string(key); }
  void OnPaint() { log += "paint"; }
  void OnCommandNew() { log += "cmd"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestController, MvcController)
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_PAINT()
  ON_COMMAND(4711, OnCommandNew)
END_MESSAGE_MAP()

class TestViewport : public MvcViewport {
 public:
  BOOL CreateController() override {
    if (makeController)
      SetController(new TestController, TRUE);
    return TRUE;
  }
  bool makeController = true;
};

// The host asks its viewport first, as the views do.
class Host : public CWnd {
 public:
  MvcViewport* viewport = nullptr;
  int hostSawButton = 0;

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (viewport && viewport->OnWndMsg(message, wParam, lParam, pResult))
      return TRUE;
    if (message == WM_LBUTTONDOWN)
      ++hostSawButton;
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
    if (viewport && viewport->OnCmdMsg(nID, nCode, pExtra, pInfo))
      return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
  }
};

// One frame for every test: top-level windows are slow to make and destroy
// under Wine. The hosts are its children.
CWnd* Frame() {
  static CWnd* frame = [] {
    auto* made = new CWnd;
    made->CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300),
                   nullptr, 0);
    return made;
  }();
  return frame;
}

BOOL MakeHost(CWnd& host, const CRect& rc) {
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_WINDOW));
  return host.CreateEx(0, cls, "Host", WS_CHILD | WS_VISIBLE, rc, Frame(), 100);
}

struct ControllerGui : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(MakeHost(host, CRect(0, 0, 300, 200)));
    viewport.SetOrigin(10, 10);
    viewport.SetSize(100, 100);
    ASSERT_TRUE(viewport.Create(&host, nullptr));
    host.viewport = &viewport;
    controller = static_cast<TestController*>(viewport.GetController());
    ASSERT_NE(nullptr, controller);
  }
  void TearDown() override {
    host.viewport = nullptr;
    host.DestroyWindow();
  }
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(host.GetSafeHwnd(), message, wParam, lParam);
  }
  Host host;
  TestViewport viewport;
  TestController* controller = nullptr;
};

TEST_F(ControllerGui, PlugsIntoTheHostWithoutOwningIt) {
  EXPECT_TRUE(controller->IsPlugged());
  EXPECT_EQ(host.GetSafeHwnd(), controller->GetSafeHwnd());
  EXPECT_EQ(&viewport, controller->GetVisualComponent());
  MvcController loose;
  EXPECT_FALSE(loose.Create(nullptr, nullptr));
  LRESULT result = 0;
  EXPECT_FALSE(loose.OnWndMsg(WM_KEYDOWN, 'A', 0, &result));  // not plugged in
}

TEST_F(ControllerGui, InputInsideTheViewportReachesTheController) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  EXPECT_EQ("down(20,30)", controller->log);
  EXPECT_EQ(0, host.hostSawButton);  // handled although the result was 0
  controller->log.clear();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 30));  // outside: the host's
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0xFFF6, 30));  // x = -10
  EXPECT_EQ("", controller->log);
  EXPECT_EQ(2, host.hostSawButton);
  Send(WM_KEYDOWN, 'A', 0);
  Send(WM_COMMAND, 4711, 0);
  EXPECT_EQ("key65cmd", controller->log);
}

TEST_F(ControllerGui, WindowMessagesStayWithTheHost) {
  ::InvalidateRect(host.GetSafeHwnd(), nullptr, TRUE);
  ::UpdateWindow(host.GetSafeHwnd());
  Send(WM_SIZE, 0, MAKELPARAM(300, 200));
  EXPECT_EQ("", controller->log);  // the paint handler of the map is never asked
}

TEST_F(ControllerGui, TheCaptureControllerSeesMessagesFirst) {
  TestViewport other;
  other.SetSize(50, 50);
  Host otherHost;
  ASSERT_TRUE(MakeHost(otherHost, CRect(300, 0, 400, 100)));
  ASSERT_TRUE(other.Create(&otherHost, nullptr));
  auto* grabbing = static_cast<TestController*>(other.GetController());
  MvcController::SetCaptureController(grabbing);
  EXPECT_EQ(otherHost.GetSafeHwnd(), ::GetCapture());
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  EXPECT_EQ("down(20,30)", grabbing->log);
  EXPECT_EQ("", controller->log);
  MvcController::SetCaptureController(controller);  // the old capture goes first
  EXPECT_EQ(host.GetSafeHwnd(), ::GetCapture());
  MvcController::SetCaptureController(nullptr);
  EXPECT_EQ(nullptr, ::GetCapture());
  EXPECT_EQ(nullptr, MvcController::GetCaptureController());
  otherHost.DestroyWindow();
}

TEST_F(ControllerGui, ConversionsAndInvalidation) {
  CRect rc(0, 0, 10, 10);
  viewport.LPtoDP(&rc);
  EXPECT_EQ(CRect(10, 10, 20, 20), rc);  // the viewport starts at its origin
  CPoint pt(15, 15);
  viewport.DPtoLP(&pt);
  EXPECT_EQ(CPoint(5, 5), pt);
  EXPECT_TRUE(viewport.HitTest(CPoint(10, 10)));
  EXPECT_FALSE(viewport.HitTest(CPoint(110, 50)));
  ::ValidateRect(host.GetSafeHwnd(), nullptr);
  viewport.InvalidateRect(CRect(0, 0, 10, 10));
  CRect update;
  ASSERT_TRUE(viewport.GetUpdateRect(&update));
  EXPECT_EQ(CRect(10, 10, 21, 21), update);
  EXPECT_EQ(CSize(100, 100), viewport.GetLogicalSize());
}

TEST(ViewportWithoutController, LeavesEveryMessageToTheHost) {
  TestViewport viewport;
  viewport.makeController = false;
  Host host;
  ASSERT_TRUE(MakeHost(host, CRect(0, 0, 100, 100)));
  ASSERT_TRUE(viewport.Create(&host, nullptr));
  LRESULT result = 0;
  EXPECT_FALSE(viewport.OnWndMsg(WM_LBUTTONDOWN, 0, 0, &result));
  host.DestroyWindow();
}

}  // namespace
