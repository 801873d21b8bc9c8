#include "mvc/MvcModel.h"

#include <vector>

MvcModel::~MvcModel() {
  while (m_observers.GetSize() > 0) {
    rw::IObserver* observer = m_observers[0];
    m_observers.RemoveValue(observer);
    observer->OnSubjectDestroyed(this);
  }
}

rw::HResult MvcModel::QueryInterface(const rw::Guid& iid, void** ppv) {
  if (!ppv)
    return rw::kNoInterface;
  if (iid == rw::IID_ISubject || iid == rw::IID_IModel || iid == rw::IID_IUnknown) {
    *ppv = static_cast<rw::ISubject*>(this);
    return rw::kOk;
  }
  *ppv = nullptr;
  return rw::kNoInterface;
}

void MvcModel::AddObserver(rw::IObserver* observer) {
  if (observer)
    m_observers.Add(observer);
}

void MvcModel::RemoveObserver(rw::IObserver* observer) {
  m_observers.RemoveValue(observer);
}

void MvcModel::UpdateAllObservers(rw::IObserver* sender, rw::Hint hint) {
  // Walk a snapshot, and call only those still registered, so removals made
  // by a notified observer neither skip nor reach anyone wrongly.
  std::vector<rw::IObserver*> snapshot(m_observers.GetData(), m_observers.GetData() + m_observers.GetSize());
  for (rw::IObserver* observer : snapshot) {
    if (observer == sender || m_observers.IndexOf(observer) < 0)
      continue;
    observer->OnUpdate(this, hint);
  }
}
