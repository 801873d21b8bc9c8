// The router part of a controller: its listeners, model and visual component.
#pragma once

#include "mvc/CCArray.h"
#include "mvc/Interfaces.h"

template <class Model, class Visual>
class IMvcController_T : public rw::IEventRouter {
 public:
  virtual void SetModel(Model* model) = 0;
  virtual Model* GetModel() const = 0;
  virtual void SetVisualComponent(Visual* visual) = 0;
  virtual Visual* GetVisualComponent() const = 0;
};

template <class Model, class Visual>
class MvcController_T : public IMvcController_T<Model, Visual> {
 public:
  MvcController_T() = default;
  MvcController_T(const MvcController_T&) = delete;
  MvcController_T& operator=(const MvcController_T&) = delete;
  // Releases every listener, last first.
  ~MvcController_T() override {
    for (int i = m_listeners.GetSize() - 1; i >= 0; --i)
      m_listeners[i]->Release();
    m_listeners.RemoveAll();
  }

  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override {
    if (!ppv)
      return rw::kNoInterface;
    if (iid == rw::IID_IMvcRouter || iid == rw::IID_IUnknown) {
      *ppv = static_cast<IMvcController_T<Model, Visual>*>(this);
      return rw::kOk;
    }
    *ppv = nullptr;
    return rw::kNoInterface;
  }
  int AddRef() override { return 1; }
  int Release() override { return 1; }

  // Offers the event to every listener; TRUE when at least one handled it.
  BOOL RouteEvent(rw::IEvent* event) override {
    if (!event)
      return FALSE;
    BOOL handled = FALSE;
    for (int i = 0; i < m_listeners.GetSize(); ++i)
      if (m_listeners[i]->HandleEvent(event))
        handled = TRUE;
    return handled;
  }
  BOOL AddListener(rw::IEventListener* listener) override {
    if (!listener)
      return FALSE;
    listener->AddRef();
    m_listeners.Add(listener);
    return TRUE;
  }
  BOOL RemoveListener(rw::IEventListener* listener) override {
    if (!listener)
      return FALSE;
    int i = m_listeners.IndexOf(listener);
    if (i < 0)
      return FALSE;
    m_listeners.RemoveAt(i);
    listener->Release();
    return TRUE;
  }

  void SetModel(Model* model) override { m_pModel = model; }
  Model* GetModel() const override { return m_pModel; }
  void SetVisualComponent(Visual* visual) override { m_pVisual = visual; }
  Visual* GetVisualComponent() const override { return m_pVisual; }

 protected:
  CCArray_T<rw::IEventListener*> m_listeners;
  Model* m_pModel = nullptr;
  Visual* m_pVisual = nullptr;
};
