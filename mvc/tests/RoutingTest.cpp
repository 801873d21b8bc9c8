#include "mvc/MvcController_T.h"
#include "mvc/MvcRouting.h"
#include "mvc/MvcModel.h"
#include "mvc/MvcVisualComponent.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Routing, OnlyInputMessagesReachAController) {
  struct Case {
    UINT message;
    BOOL reaches;
  } cases[] = {
      {0x200, TRUE},  {0x201, TRUE},  {0x20A, TRUE},  {0x100, TRUE}, {0x101, TRUE},
      {0x102, TRUE},  {0x111, TRUE},  {0x020, TRUE},  {0x113, TRUE}, {0x07B, TRUE},
      {0x019, TRUE},  {0x00F, FALSE} /* paint */,     {0x005, FALSE} /* size */,
      {0x014, FALSE} /* erase background */,          {0x20B, FALSE}, {0x104, FALSE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.reaches, MvcIsControllerMessage(c.message)) << std::hex << c.message;
}

TEST(Routing, MouseCoordinatesAreSigned) {
  struct Case {
    LPARAM lParam;
    int x, y;
  } cases[] = {
      {0x00140010, 16, 20},
      {static_cast<LPARAM>(0xFFFEFFFFu), -1, -2},
      {static_cast<LPARAM>(0x8000000Au), 10, -32768},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CPoint(c.x, c.y), MvcPointFromLParam(c.lParam));
}

TEST(Routing, AHandlerThatAnswersZeroHasStillHandledTheMessage) {
  MvcHandledState state;
  LRESULT result = 99;
  state.Begin();
  state.SetHandled(0);
  EXPECT_TRUE(state.End(FALSE, 0, &result));
  EXPECT_EQ(0, result);
  state.Begin();
  state.SetHandled(5);
  EXPECT_TRUE(state.End(TRUE, 1, &result));
  EXPECT_EQ(5, result);
  state.Begin();  // the next message starts clear
  EXPECT_FALSE(state.End(FALSE, 0, &result));
  EXPECT_TRUE(state.End(TRUE, 3, &result));
  EXPECT_EQ(3, result);
}

class Handler : public IMvcMsgHandler {
 public:
  Handler(std::string name, std::string* log, BOOL handles) : m_name(std::move(name)), m_log(log), m_handles(handles) {}
  BOOL OnWndMsg(UINT, WPARAM, LPARAM, LRESULT* pResult) override {
    *m_log += m_name;
    if (m_handles)
      *pResult = 0;
    return m_handles;
  }
  BOOL OnCmdMsg(UINT, int, void*, AFX_CMDHANDLERINFO*) override {
    *m_log += m_name;
    return m_handles;
  }

 private:
  std::string m_name;
  std::string* m_log;
  BOOL m_handles;
};

TEST(Routing, CaptureFirstThenControllerInsideTheBounds) {
  std::string log;
  Handler capture("cap", &log, FALSE), grabbing("CAP", &log, TRUE), controller("ctl", &log, TRUE);
  MvcRouteTargets targets;
  targets.controller = &controller;
  targets.bounds = CRect(10, 10, 100, 100);
  LRESULT result = -1;
  struct Case {
    IMvcMsgHandler* capture;
    UINT message;
    LPARAM lParam;
    BOOL handled;
    const char* log;
  } cases[] = {
      {&capture, 0x201, MAKELONG(50, 50), TRUE, "capctl"},
      {&grabbing, 0x201, MAKELONG(50, 50), TRUE, "CAP"},
      {nullptr, 0x201, MAKELONG(5, 50), FALSE, ""},       // outside: left to the host
      {nullptr, 0x201, MAKELONG(100, 50), FALSE, ""},     // right edge is outside
      {nullptr, 0x201, MAKELONG(-20, -20), FALSE, ""},    // left of the window
      {nullptr, 0x100, MAKELONG(500, 500), TRUE, "ctl"},  // keys carry no point
  };
  for (const Case& c : cases) {
    log.clear();
    targets.capture = c.capture;
    EXPECT_EQ(c.handled, MvcRouteMessage(targets, c.message, 0, c.lParam, &result));
    EXPECT_EQ(c.log, log);
  }
  targets.capture = nullptr;
  targets.controller = nullptr;
  EXPECT_FALSE(MvcRouteMessage(targets, 0x100, 0, 0, &result));
  EXPECT_FALSE(MvcRouteCommand(targets, 100, 0, nullptr, nullptr));
  targets.controller = &controller;
  log.clear();
  EXPECT_TRUE(MvcRouteCommand(targets, 100, 0, nullptr, nullptr));
  EXPECT_EQ("ctl", log);
}

class Listener : public rw::IEventListener {
 public:
  explicit Listener(BOOL handles) : m_handles(handles) {}
  rw::HResult QueryInterface(const rw::Guid&, void**) override { return rw::kNoInterface; }
  int AddRef() override { return ++refs; }
  int Release() override { return --refs; }
  BOOL HandleEvent(rw::IEvent*) override {
    ++calls;
    return m_handles;
  }
  int refs = 0;
  int calls = 0;

 private:
  BOOL m_handles;
};

class Event : public rw::IEvent {
 public:
  rw::HResult QueryInterface(const rw::Guid&, void**) override { return rw::kNoInterface; }
  int AddRef() override { return 1; }
  int Release() override { return 1; }
};

TEST(Controller, EveryListenerSeesTheEvent) {
  Listener l1(TRUE), l2(TRUE), l3(FALSE);
  Event event;
  {
    MvcController_T<MvcModel, MvcVisualComponent> router;
    EXPECT_FALSE(router.AddListener(nullptr));
    EXPECT_TRUE(router.AddListener(&l1));
    EXPECT_TRUE(router.AddListener(&l2));
    EXPECT_TRUE(router.AddListener(&l3));
    EXPECT_EQ(1, l1.refs);
    EXPECT_FALSE(router.RouteEvent(nullptr));
    EXPECT_TRUE(router.RouteEvent(&event));
    EXPECT_EQ(1, l1.calls);
    EXPECT_EQ(1, l2.calls);
    EXPECT_TRUE(router.RemoveListener(&l1));
    EXPECT_FALSE(router.RemoveListener(&l1));
    EXPECT_EQ(0, l1.refs);
    EXPECT_FALSE(router.RemoveListener(nullptr));
    router.AddListener(&l1);
  }
  // The router's end released each listener exactly once.
  EXPECT_EQ(0, l1.refs);
  EXPECT_EQ(0, l2.refs);
  EXPECT_EQ(0, l3.refs);
}

}  // namespace
