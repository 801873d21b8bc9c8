// The model and controller side of a viewport: it observes its model and owns
// or borrows its controller. The window side is MvcViewport.
#pragma once

#include "mvc/MvcLogicalPart.h"
#include "mvc/MvcModel.h"

template <class Model, class Controller>
class IMvcViewport_T : public rw::IUnknown {
 public:
  virtual void SetModel(Model* model) = 0;
  virtual Model* GetModel() const = 0;
  virtual BOOL CreateController() = 0;
  virtual void SetController(Controller* controller, BOOL bOwn) = 0;
  virtual Controller* GetController() const = 0;
};

template <class Base, class Model, class Controller>
class MvcViewport_T : public Base,
                      public IMvcViewport_T<Model, Controller>,
                      public rw::IObserver,
                      public rw::IEventRouter {
 public:
  explicit MvcViewport_T(MvcVisualPart* parent = nullptr) : Base(parent) {}
  MvcViewport_T(const MvcViewport_T&) = delete;
  MvcViewport_T& operator=(const MvcViewport_T&) = delete;
  ~MvcViewport_T() override {
    if (m_pModel)
      m_pModel->RemoveObserver(this);
    SetController(nullptr, FALSE);
  }

  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override {
    if (!ppv)
      return rw::kNoInterface;
    if (iid == rw::IID_IMvcRouter || iid == rw::IID_IUnknown) {
      *ppv = static_cast<IMvcViewport_T<Model, Controller>*>(this);
      return rw::kOk;
    }
    if (iid == rw::IID_IObserver) {
      *ppv = static_cast<rw::IObserver*>(this);
      return rw::kOk;
    }
    return Base::QueryInterface(iid, ppv);
  }
  int AddRef() override { return 1; }
  int Release() override { return 1; }

  // Observes the new model; a model set before is let go first, so it no
  // longer calls this viewport.
  void SetModel(Model* model) override {
    if (model != m_pModel) {
      if (m_pModel)
        m_pModel->RemoveObserver(this);
      m_pModel = model;
      if (m_pModel)
        m_pModel->AddObserver(this);
    }
    if (m_pController)
      m_pController->SetModel(model);
  }
  Model* GetModel() const override { return m_pModel; }
  BOOL CreateController() override { return TRUE; }
  void SetController(Controller* controller, BOOL bOwn) override {
    if (m_bOwnController && m_pController != controller)
      delete m_pController;
    m_pController = controller;
    m_bOwnController = controller ? bOwn : FALSE;
  }
  Controller* GetController() const override { return m_pController; }

  void OnUpdate(rw::ISubject*, rw::Hint) override {}
  // The model goes first: forget it, here and in the controller.
  void OnSubjectDestroyed(rw::ISubject* subject) override {
    if (!m_pModel || static_cast<rw::ISubject*>(m_pModel) != subject)
      return;
    m_pModel = nullptr;
    if (m_pController)
      m_pController->SetModel(nullptr);
  }

  // Events whose point lies outside the viewport are dropped; the rest go to
  // the controller's router.
  BOOL RouteEvent(rw::IEvent* event) override {
    if (!event)
      return FALSE;
    void* pv = nullptr;
    if (event->QueryInterface(rw::IID_IEventPoint, &pv) == rw::kOk && pv) {
      auto* point = static_cast<rw::IEventPoint*>(pv);
      POINT pt = point->GetPoint();
      point->Release();
      if (!this->PtInBounds(pt))
        return FALSE;
    }
    return m_pController ? m_pController->RouteEvent(event) : FALSE;
  }
  BOOL AddListener(rw::IEventListener*) override { return FALSE; }
  BOOL RemoveListener(rw::IEventListener*) override { return FALSE; }

 protected:
  Model* m_pModel = nullptr;
  Controller* m_pController = nullptr;
  BOOL m_bOwnController = FALSE;
};
