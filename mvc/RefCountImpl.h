// Implementation mix-ins for framework interfaces.
#pragma once

#include "mvc/Interfaces.h"

// Gives interface I a QueryInterface that answers `iid` and the root identity
// with the object itself (after AddRef); anything else is refused.
template <class I, const rw::Guid& iid>
class IUnknownImpl_T : public I {
 public:
  rw::HResult QueryInterface(const rw::Guid& id, void** ppv) override {
    if (!ppv)
      return rw::kNoInterface;
    if (id == iid || id == rw::IID_IUnknown) {
      this->AddRef();
      *ppv = static_cast<I*>(this);
      return rw::kOk;
    }
    *ppv = nullptr;
    return rw::kNoInterface;
  }
};

// Adds a reference count to I; the object deletes itself when the count
// drops to 0.
template <class I>
class RefCountImpl_T : public I {
 public:
  int AddRef() override { return ++m_nRefCount; }
  int Release() override {
    int n = --m_nRefCount;
    if (n == 0)
      delete this;
    return n;
  }
  int GetRefCount() const { return m_nRefCount; }

 protected:
  std::int32_t m_nRefCount = 0;
};
