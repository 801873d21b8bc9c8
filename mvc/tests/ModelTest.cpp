#include "mvc/MvcModel.h"
#include "mvc/MvcPresentationModel.h"
#include "mvc/RefCountImpl.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class Observer : public IUnknownImpl_T<rw::IObserver, rw::IID_IObserver> {
 public:
  Observer(std::string name, std::string* log) : m_name(std::move(name)), m_log(log) {}
  int AddRef() override { return 1; }
  int Release() override { return 1; }
  void OnUpdate(rw::ISubject* subject, rw::Hint hint) override {
    *m_log += m_name + std::to_string(hint);
    m_subject = subject;
    if (m_onUpdate)
      m_onUpdate();
  }
  void OnSubjectDestroyed(rw::ISubject* subject) override {
    *m_log += m_name + "!";
    m_subject = subject;
  }
  rw::ISubject* m_subject = nullptr;
  std::function<void()> m_onUpdate;

 private:
  std::string m_name;
  std::string* m_log;
};

struct ModelTest : ::testing::Test {
  std::string log;
  Observer a{"A", &log}, b{"B", &log}, c{"C", &log};
  MvcModel model;
};

TEST_F(ModelTest, NotifiesInOrderSkippingTheSender) {
  model.AddObserver(&a);
  model.AddObserver(&b);
  model.AddObserver(&c);
  model.UpdateAllObservers(&b, 7);
  EXPECT_EQ("A7C7", log);
  EXPECT_EQ(static_cast<rw::ISubject*>(&model), a.m_subject);
  log.clear();
  model.UpdateAllObservers(nullptr, 0);
  EXPECT_EQ("A0B0C0", log);
}

TEST_F(ModelTest, TwiceRegisteredIsNotifiedTwiceAndRemovedOnce) {
  model.AddObserver(&a);
  model.AddObserver(&a);
  model.UpdateAllObservers(nullptr, 1);
  EXPECT_EQ("A1A1", log);
  model.RemoveObserver(&a);
  model.RemoveObserver(&b);  // unknown: ignored
  EXPECT_EQ(0, model.GetObserverCount());
}

TEST_F(ModelTest, RefusesANullObserver) {
  model.AddObserver(nullptr);
  model.AddObserver(&a);
  model.UpdateAllObservers(nullptr, 3);  // a null entry would end the walk early
  EXPECT_EQ("A3", log);
  EXPECT_EQ(1, model.GetObserverCount());
}

TEST_F(ModelTest, RemovalsDuringNotificationSkipNobody) {
  model.AddObserver(&a);
  model.AddObserver(&b);
  model.AddObserver(&c);
  a.m_onUpdate = [&] { model.RemoveObserver(&a); };
  model.UpdateAllObservers(nullptr, 1);
  EXPECT_EQ("A1B1C1", log);
  log.clear();
  b.m_onUpdate = [&] { model.RemoveObserver(&c); };  // removed ones are not called
  model.UpdateAllObservers(nullptr, 2);
  EXPECT_EQ("B2", log);
}

TEST_F(ModelTest, ADestroyedModelTellsItsObservers) {
  auto* doomed = new MvcModel;
  doomed->AddObserver(&a);
  doomed->AddObserver(&b);
  rw::ISubject* subject = doomed;
  delete doomed;
  EXPECT_EQ("A!B!", log);
  EXPECT_EQ(subject, b.m_subject);
}

TEST_F(ModelTest, AnswersItsSubjectInterface) {
  void* pv = nullptr;
  for (const rw::Guid& iid : {rw::IID_ISubject, rw::IID_IModel, rw::IID_IUnknown}) {
    EXPECT_EQ(rw::kOk, model.QueryInterface(iid, &pv));
    EXPECT_EQ(static_cast<rw::ISubject*>(&model), pv);
  }
  EXPECT_EQ(rw::kNoInterface, model.QueryInterface(rw::IID_IObserver, &pv));
  EXPECT_EQ(nullptr, pv);
}

class UndoManager : public IMvcUndoManager {
 public:
  BOOL Undo() override { return TRUE; }
  BOOL Redo() override { return FALSE; }
  BOOL CanUndo() const override { return TRUE; }
  BOOL CanRedo() const override { return FALSE; }
  void ClearHistory() override {}
  BOOL IsModified() const override { return m_modified; }
  BOOL m_modified = TRUE;
};

class RecordingPart : public MvcVisualPart {
 public:
  void InvalidateRect(const CRect& rect, BOOL, BOOL) override { m_rect = rect; }
  CRect m_rect{0, 0, 0, 0};
};

TEST(PresentationModel, ModifiedStateComesFromTheUndoManager) {
  MvcPresentationModel_T<> model;
  EXPECT_FALSE(model.IsModified());
  EXPECT_FALSE(model.Undo());
  UndoManager manager;
  model.SetUndoManager(&manager);
  EXPECT_TRUE(model.IsModified());
  EXPECT_TRUE(model.Undo());
  manager.m_modified = FALSE;
  EXPECT_FALSE(model.IsModified());
}

TEST(PresentationModel, InvalidationReachesEveryPart) {
  MvcPresentationModel_T<> model;
  model.InvalidateRect(CRect(0, 0, 5, 5));  // no parts: nothing happens
  RecordingPart p1, p2;
  model.AddVisualPart(&p1);
  model.AddVisualPart(&p2);
  model.InvalidateRect(CRect(1, 2, 3, 4));
  EXPECT_EQ(CRect(1, 2, 3, 4), p1.m_rect);
  EXPECT_EQ(CRect(1, 2, 3, 4), p2.m_rect);
  model.RemoveVisualPart(&p1);
  EXPECT_EQ(1, model.GetVisualPartCount());
}

}  // namespace
