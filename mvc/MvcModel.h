// Models are subjects: they keep a list of observers and tell them of changes.
#pragma once

#include "mvc/CCArray.h"
#include "mvc/Interfaces.h"

class IMvcModel : public rw::ISubject {
 public:
  virtual BOOL IsModified() const = 0;
  virtual void Reset() = 0;
};

class MvcModel : public IMvcModel {
 public:
  MvcModel() = default;
  MvcModel(const MvcModel&) = delete;
  MvcModel& operator=(const MvcModel&) = delete;
  // Observers still registered are told, so none of them calls a dead model.
  ~MvcModel() override;

  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override;
  int AddRef() override { return 1; }
  int Release() override { return 1; }

  // A null observer is refused; an observer added twice is notified twice.
  void AddObserver(rw::IObserver* observer) override;
  // Removes every registration of the observer; unknown ones are ignored.
  void RemoveObserver(rw::IObserver* observer) override;
  // Notifies every observer but the sender, first added first. Observers may
  // remove themselves or others while being notified: a removed observer is
  // not called afterwards and nobody else is skipped.
  void UpdateAllObservers(rw::IObserver* sender, rw::Hint hint) override;

  BOOL IsModified() const override { return FALSE; }
  void Reset() override {}

  int GetObserverCount() const { return m_observers.GetSize(); }
  BOOL HasObserver(rw::IObserver* observer) const { return m_observers.IndexOf(observer) >= 0; }

 protected:
  CCArray_T<rw::IObserver*> m_observers;
};
