// The collection interface of the framework and its position objects.
#pragma once

#include "framework/Types.h"

// A position in a collection; made by the collection, owned by the caller.
class CCIterPos {
 public:
  virtual ~CCIterPos() = default;
};

template <class I>
class CCIterPos_T : public CCIterPos {
 public:
  I m_index{};
};

template <class T>
class ICollection_T {
 public:
  virtual ~ICollection_T() = default;

  virtual CCIterPos* NewIterPos() const = 0;
  virtual void First(CCIterPos& pos) const = 0;
  virtual void Next(CCIterPos& pos) const = 0;
  virtual void Prev(CCIterPos& pos) const = 0;
  virtual void Last(CCIterPos& pos) const = 0;
  virtual void RemoveAt(CCIterPos& pos) = 0;
  virtual T GetAt(const CCIterPos& pos) const = 0;
  virtual T* GetAtPtr(const CCIterPos& pos) = 0;
  virtual T& GetAtRef(const CCIterPos& pos) = 0;
  virtual void SetAt(const CCIterPos& pos, T value) = 0;
  virtual void InsertAt(const CCIterPos& pos, T value) = 0;
  virtual BOOL FindNext(CCIterPos& pos, T value) const = 0;
  virtual BOOL FindPrev(CCIterPos& pos, T value) const = 0;
  virtual int GetCount() const = 0;
  virtual void RemoveAll() = 0;
  virtual BOOL IsPastEnd(const CCIterPos& pos) const = 0;
};
