// A dynamic array that is also a framework collection. The growth rule is the
// framework array's: automatic steps of count/8 clamped to 4..1024 elements.
#pragma once

#include "mvc/Collection.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

template <class T, class ARG = T>
class CCArray_T : public ICollection_T<T> {
  static_assert(std::is_trivially_copyable<T>::value, "elements are moved as raw blocks");

 public:
  using Pos = CCIterPos_T<int>;

  CCArray_T() = default;
  CCArray_T(const CCArray_T&) = delete;
  CCArray_T& operator=(const CCArray_T&) = delete;
  ~CCArray_T() override { delete[] m_pData; }

  // --- the array's own operations ---
  int GetSize() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  int GetCapacity() const { return m_nMaxSize; }
  T* GetData() { return m_pData; }
  const T* GetData() const { return m_pData; }
  T GetAt(int i) const { return m_pData[i]; }
  void SetAt(int i, ARG value) { m_pData[i] = value; }
  T& ElementAt(int i) { return m_pData[i]; }
  T& operator[](int i) { return m_pData[i]; }
  T operator[](int i) const { return m_pData[i]; }

  void SetSize(int nNewSize, int nGrowBy = -1) {
    if (nGrowBy >= 0)
      m_nGrowBy = nGrowBy;
    if (nNewSize <= 0) {
      delete[] m_pData;
      m_pData = nullptr;
      m_nSize = m_nMaxSize = 0;
      return;
    }
    if (!m_pData) {
      m_pData = new T[nNewSize]();
      m_nSize = m_nMaxSize = nNewSize;
      return;
    }
    if (nNewSize <= m_nMaxSize) {
      if (nNewSize > m_nSize)
        std::fill(m_pData + m_nSize, m_pData + nNewSize, T());
      m_nSize = nNewSize;
      return;
    }
    int step = m_nGrowBy;
    if (step == 0)
      step = std::min(1024, std::max(4, m_nSize / 8));
    int nNewMax = std::max(nNewSize, m_nMaxSize + step);
    T* pNew = new T[nNewMax]();
    std::copy(m_pData, m_pData + m_nSize, pNew);
    delete[] m_pData;
    m_pData = pNew;
    m_nSize = nNewSize;
    m_nMaxSize = nNewMax;
  }

  int Add(ARG value) {
    int i = m_nSize;
    SetSize(m_nSize + 1);
    m_pData[i] = value;
    return i;
  }

  void SetAtGrow(int i, ARG value) {
    if (i >= m_nSize)
      SetSize(i + 1);
    m_pData[i] = value;
  }

  void InsertAt(int i, ARG value, int nCount = 1) {
    if (i < 0 || nCount <= 0)
      return;
    if (i >= m_nSize) {
      SetSize(i + nCount);
    } else {
      int nOld = m_nSize;
      SetSize(m_nSize + nCount);
      std::memmove(static_cast<void*>(m_pData + i + nCount), m_pData + i, sizeof(T) * (nOld - i));
    }
    std::fill(m_pData + i, m_pData + i + nCount, value);
  }

  void RemoveAt(int i, int nCount = 1) {
    if (i < 0 || nCount <= 0 || i + nCount > m_nSize)
      return;
    int nMove = m_nSize - (i + nCount);
    if (nMove)
      std::memmove(static_cast<void*>(m_pData + i), m_pData + i + nCount, sizeof(T) * nMove);
    m_nSize -= nCount;
  }

  // Removes every element equal to value, scanning from the last to the first.
  void RemoveValue(ARG value) {
    for (int i = m_nSize - 1; i >= 0; --i)
      if (m_pData[i] == value)
        RemoveAt(i);
  }

  // Searches index+1..end, then 0..end; -1 when absent.
  int FindNextIndex(int index, ARG value) const {
    for (int i = std::max(index + 1, 0); i < m_nSize; ++i)
      if (m_pData[i] == value)
        return i;
    for (int i = 0; i < m_nSize; ++i)
      if (m_pData[i] == value)
        return i;
    return -1;
  }

  // Searches index-1 down to 0, then from the last element down to 0.
  int FindPrevIndex(int index, ARG value) const {
    for (int i = std::min(index - 1, m_nSize - 1); i >= 0; --i)
      if (m_pData[i] == value)
        return i;
    for (int i = m_nSize - 1; i >= 0; --i)
      if (m_pData[i] == value)
        return i;
    return -1;
  }

  int IndexOf(ARG value) const {
    for (int i = 0; i < m_nSize; ++i)
      if (m_pData[i] == value)
        return i;
    return -1;
  }

  // --- the collection interface ---
  CCIterPos* NewIterPos() const override { return new Pos; }
  void First(CCIterPos& pos) const override { Index(pos) = 0; }
  void Next(CCIterPos& pos) const override { ++Index(pos); }
  void Prev(CCIterPos& pos) const override { --Index(pos); }
  void Last(CCIterPos& pos) const override { Index(pos) = m_nSize - 1; }
  void RemoveAt(CCIterPos& pos) override { RemoveAt(Index(pos)); }
  T GetAt(const CCIterPos& pos) const override { return IsPastEnd(pos) ? T() : m_pData[Index(pos)]; }
  T* GetAtPtr(const CCIterPos& pos) override { return IsPastEnd(pos) ? nullptr : m_pData + Index(pos); }
  T& GetAtRef(const CCIterPos& pos) override { return m_pData[Index(pos)]; }
  void SetAt(const CCIterPos& pos, T value) override { m_pData[Index(pos)] = value; }
  void InsertAt(const CCIterPos& pos, T value) override { InsertAt(Index(pos), value); }
  BOOL FindNext(CCIterPos& pos, T value) const override { return Found(pos, FindNextIndex(Index(pos), value)); }
  BOOL FindPrev(CCIterPos& pos, T value) const override { return Found(pos, FindPrevIndex(Index(pos), value)); }
  int GetCount() const override { return m_nSize; }
  void RemoveAll() override { SetSize(0); }
  BOOL IsPastEnd(const CCIterPos& pos) const override {
    int i = Index(pos);
    return i < 0 || i >= m_nSize;
  }

 protected:
  T* m_pData = nullptr;
  int m_nSize = 0;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;

 private:
  static int& Index(CCIterPos& pos) { return static_cast<Pos&>(pos).m_index; }
  static int Index(const CCIterPos& pos) { return static_cast<const Pos&>(pos).m_index; }
  static BOOL Found(CCIterPos& pos, int i) {
    if (i < 0)
      return FALSE;
    Index(pos) = i;
    return TRUE;
  }
};
