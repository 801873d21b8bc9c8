// An iterator over a framework collection; derived iterators may skip
// elements by overriding Accept.
#pragma once

#include "mvc/Collection.h"

#include <memory>

template <class T>
class Iterator_T {
 public:
  Iterator_T() = default;
  explicit Iterator_T(ICollection_T<T>* coll) { Attach(coll); }
  Iterator_T(const Iterator_T&) = delete;
  Iterator_T& operator=(const Iterator_T&) = delete;
  virtual ~Iterator_T() = default;

  void AttachReadOnly(ICollection_T<T>* coll) {
    if (coll == m_pRead)
      return;
    m_pRead = coll;
    m_pPos.reset(coll ? coll->NewIterPos() : nullptr);
  }
  void Attach(ICollection_T<T>* coll) {
    if (coll == m_pWrite)
      return;
    m_pWrite = m_pRead = coll;
    m_pPos.reset(coll ? coll->NewIterPos() : nullptr);
  }

  virtual BOOL Accept(T) { return TRUE; }

  void First() {
    if (!m_pPos)
      return;
    m_pRead->First(*m_pPos);
    SkipForward();
  }
  void Next() {
    if (!m_pPos)
      return;
    m_pRead->Next(*m_pPos);
    SkipForward();
  }
  void Prev() {
    if (!m_pPos)
      return;
    m_pRead->Prev(*m_pPos);
    SkipBackward();
  }
  void Last() {
    if (!m_pPos)
      return;
    m_pRead->Last(*m_pPos);
    SkipBackward();
  }
  BOOL FindNext(T value) { return m_pPos ? m_pRead->FindNext(*m_pPos, value) : FALSE; }
  BOOL FindPrev(T value) { return m_pPos ? m_pRead->FindPrev(*m_pPos, value) : FALSE; }

  T Current() const { return m_pPos ? m_pRead->GetAt(*m_pPos) : T(); }
  T* CurrentPtr() const { return m_pPos ? m_pRead->GetAtPtr(*m_pPos) : nullptr; }
  T& CurrentRef() const { return m_pRead->GetAtRef(*m_pPos); }
  T GetNext() { Next(); return Current(); }
  T* GetNextPtr() { Next(); return CurrentPtr(); }
  T& GetNextRef() { Next(); return CurrentRef(); }
  T GetPrev() { Prev(); return Current(); }
  T* GetPrevPtr() { Prev(); return CurrentPtr(); }
  T& GetPrevRef() { Prev(); return CurrentRef(); }
  T GetLast() { Last(); return Current(); }
  T* GetLastPtr() { Last(); return CurrentPtr(); }
  T& GetLastRef() { Last(); return CurrentRef(); }

  void SetCurrent(T value) { m_pWrite->SetAt(*m_pPos, value); }
  void RemoveCurrent() { m_pWrite->RemoveAt(*m_pPos); }
  void InsertAtCurrent(T value) { m_pWrite->InsertAt(*m_pPos, value); }
  BOOL IsPastEnd() const { return m_pPos ? m_pRead->IsPastEnd(*m_pPos) : TRUE; }

 private:
  void SkipForward() {
    while (!m_pRead->IsPastEnd(*m_pPos) && !Accept(m_pRead->GetAt(*m_pPos)))
      m_pRead->Next(*m_pPos);
  }
  void SkipBackward() {
    while (!m_pRead->IsPastEnd(*m_pPos) && !Accept(m_pRead->GetAt(*m_pPos)))
      m_pRead->Prev(*m_pPos);
  }

  std::unique_ptr<CCIterPos> m_pPos;
  ICollection_T<T>* m_pWrite = nullptr;
  ICollection_T<T>* m_pRead = nullptr;
};
