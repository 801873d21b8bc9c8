#include "mvc/MvcPartList.h"
#include "mvc/MvcViewport_T.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FakeController {
 public:
  explicit FakeController(int* deaths = nullptr) : m_deaths(deaths) {}
  ~FakeController() {
    if (m_deaths)
      ++*m_deaths;
  }
  void SetModel(MvcModel* model) { m_pModel = model; }
  BOOL RouteEvent(rw::IEvent*) { return TRUE; }
  MvcModel* m_pModel = nullptr;

 private:
  int* m_deaths;
};

using Viewport = MvcViewport_T<MvcLogicalPart, MvcModel, FakeController>;

class CountingViewport : public Viewport {
 public:
  void OnUpdate(rw::ISubject*, rw::Hint) override { ++updates; }
  int updates = 0;
};

TEST(Viewport, ObservesOneModelAtATime) {
  MvcModel first, second;
  CountingViewport viewport;
  FakeController controller;
  viewport.SetController(&controller, FALSE);
  viewport.SetModel(&first);
  viewport.SetModel(&first);  // the same model again: one registration
  EXPECT_EQ(1, first.GetObserverCount());
  viewport.SetModel(&second);
  EXPECT_EQ(0, first.GetObserverCount());
  EXPECT_EQ(&second, controller.m_pModel);
  first.UpdateAllObservers(nullptr, 0);
  second.UpdateAllObservers(nullptr, 0);
  EXPECT_EQ(1, viewport.updates);
  viewport.SetController(nullptr, FALSE);
}

TEST(Viewport, ADestroyedViewportLeavesItsModel) {
  MvcModel model;
  auto* viewport = new CountingViewport;
  viewport->SetModel(&model);
  delete viewport;
  EXPECT_EQ(0, model.GetObserverCount());
  model.UpdateAllObservers(nullptr, 0);  // must not reach the dead viewport
}

TEST(Viewport, AModelDestroyedFirstIsForgotten) {
  CountingViewport viewport;
  FakeController controller;
  viewport.SetController(&controller, FALSE);
  auto* model = new MvcModel;
  viewport.SetModel(model);
  delete model;
  EXPECT_EQ(nullptr, viewport.GetModel());
  EXPECT_EQ(nullptr, controller.m_pModel);
  viewport.SetController(nullptr, FALSE);
}  // the viewport's end must not call the dead model

TEST(Viewport, DeletesOnlyAnOwnedController) {
  int deaths = 0;
  FakeController borrowed(&deaths);
  {
    Viewport viewport;
    viewport.SetController(&borrowed, FALSE);
    viewport.SetController(new FakeController(&deaths), TRUE);
    EXPECT_EQ(0, deaths);
  }
  EXPECT_EQ(1, deaths);
}

TEST(Viewport, AnswersItsInterfaces) {
  Viewport viewport;
  void* pv = nullptr;
  EXPECT_EQ(rw::kOk, viewport.QueryInterface(rw::IID_IObserver, &pv));
  EXPECT_EQ(static_cast<rw::IObserver*>(&viewport), pv);
  EXPECT_EQ(rw::kOk, viewport.QueryInterface(rw::IID_IVisual, &pv));
  EXPECT_EQ(static_cast<rw::IVisual*>(&viewport), pv);
  EXPECT_EQ(rw::kOk, viewport.QueryInterface(rw::IID_IMvcRouter, &pv));
  EXPECT_EQ(rw::kNoInterface, viewport.QueryInterface(rw::IID_ISubject, &pv));
}

class PointEvent : public rw::IEvent, public rw::IEventPoint {
 public:
  explicit PointEvent(POINT pt) : m_pt(pt) {}
  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override {
    if (iid != rw::IID_IEventPoint)
      return rw::kNoInterface;
    *ppv = static_cast<rw::IEventPoint*>(this);
    return rw::kOk;
  }
  int AddRef() override { return 1; }
  int Release() override { return 1; }
  POINT GetPoint() const override { return m_pt; }

 private:
  POINT m_pt;
};

TEST(Viewport, DropsEventsOutsideItsBounds) {
  Viewport viewport;
  FakeController controller;
  viewport.SetSize(100, 100);
  PointEvent inside(CPoint(50, 50)), outside(CPoint(150, 50));
  EXPECT_FALSE(viewport.RouteEvent(&inside));  // no controller
  viewport.SetController(&controller, FALSE);
  EXPECT_TRUE(viewport.RouteEvent(&inside));
  EXPECT_FALSE(viewport.RouteEvent(&outside));
  viewport.SetController(nullptr, FALSE);
}

class Part : public MvcVisualPart {
 public:
  Part(const char* name, CRect bounds, std::string* log) : m_name(name), m_log(log) {
    SetOrigin(bounds.left, bounds.top);
    SetSize(bounds.Width(), bounds.Height());
  }
  ~Part() override { *m_log += std::string("~") + m_name; }
  void Draw(CDC*) override { *m_log += m_name; }

 private:
  const char* m_name;
  std::string* m_log;
};

TEST(PartList, DrawsOnlyPartsMeetingTheArea) {
  std::string log;
  MvcPartList parts;
  parts.Add(new Part("a", CRect(0, 0, 10, 10), &log));
  parts.Add(new Part("b", CRect(20, 0, 30, 10), &log));
  parts.Add(new Part("c", CRect(40, 0, 50, 10), &log));
  struct Case {
    CRect area;
    const char* drawn;
  } cases[] = {
      {CRect(22, 2, 28, 8), "b"},
      {CRect(0, 0, 50, 10), "abc"},     // first added first
      {CRect(10, 0, 20, 10), ""},       // touching edges do not meet
      {CRect(5, 5, 45, 6), "abc"},
      {CRect(0, 20, 50, 30), ""},
  };
  for (const Case& c : cases) {
    log.clear();
    EXPECT_EQ(static_cast<int>(std::string(c.drawn).size()), MvcDrawPartsIn(parts, nullptr, c.area));
    EXPECT_EQ(c.drawn, log);
  }
  log.clear();
  MvcDeleteAllParts(parts);
  EXPECT_EQ("~c~b~a", log);
  EXPECT_EQ(0, parts.GetSize());
  MvcDeleteAllParts(parts);  // empty: nothing happens
}

TEST(PartList, HitTestingFindsTheFirstAddedPart) {
  std::string log;
  Part under("under", CRect(0, 0, 20, 20), &log), over("over", CRect(10, 10, 30, 30), &log);
  MvcPartList parts;
  parts.Add(&under);
  parts.Add(&over);
  EXPECT_EQ(&under, MvcFindPartAt(parts, CPoint(15, 15)));
  EXPECT_EQ(&over, MvcFindPartAt(parts, CPoint(25, 25)));
  EXPECT_EQ(&over, MvcFindPartAt(parts, CPoint(20, 20)));  // right edge of under is outside
  EXPECT_EQ(nullptr, MvcFindPartAt(parts, CPoint(30, 30)));
}

}  // namespace
