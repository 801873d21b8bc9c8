// One channel of one protocol line, placed on the chart at its midpoint and
// pseudo-depth. Items share the model's layout and address map.
#pragma once
#include "framework/Portable.h"

#include "mvc/MvcModel.h"

class CVikaAddressMap;
class ElectrodeLayout;

// Section bits of an item's or takeout's state word, and the enabled bit.
enum : DWORD {
  kSectionOrg = 0x1,
  kSectionUp = 0x2,
  kSectionDwn = 0x4,
  kSectionMask = 0x7,
  kStateEnabled = 0x8,
};

// The electrodes, channel and line of the protocol line an item comes from.
struct ChartItemSource {
  int nA;
  int nB;
  int nM;
  int nN;
  int nChannel;
  int nLine;
};

// Up to three sort keys; see CVikaChartItem::Compare.
struct SortSpec {
  enum : DWORD {
    kC1 = 1,
    kC2 = 2,
    kP1 = 4,
    kP2 = 8,
    kMidpoint = 16,
    kDepth = 32,
    kSpacing = 64,
    kLevel = 128,
    kSection = 256,
    kDescending = 0x80000000,
  };
  int nCount;
  DWORD dwKeys[3];
};

class CVikaChartItem;
using CVikaChartItemArray = CArray<CVikaChartItem*, CVikaChartItem*>;

// Appends with a growth step of the array's own size: the default step stops
// at 1,024 elements, so filling a chart of 90,000 items would copy the array
// some 88 times.
int AddGrowing(CVikaChartItemArray& items, CVikaChartItem* item);

class CVikaChartItem : public CObject, public MvcModel {
  DECLARE_SERIAL(CVikaChartItem)

 public:
  CVikaChartItem();
  CVikaChartItem(ElectrodeLayout* layout, CVikaAddressMap* addressMap,
                 const ChartItemSource& src, DWORD state, double gridX,
                 double gridY);
  CVikaChartItem(const CVikaChartItem& other);
  CVikaChartItem& operator=(const CVikaChartItem& other);
  ~CVikaChartItem() override;

  virtual double GetSpan() const { return m_dSpan; }
  virtual double GetX() const { return m_dX; }
  virtual double GetDepth() const { return m_dDepth; }
  // Copies every field; the target's duplicate links are cleared.
  virtual void CopyTo(CVikaChartItem* target) const;
  virtual CVikaChartItemArray* GetDuplicates() const { return m_pDuplicates; }
  // Unlinks both sides; returns other, or NULL when it was not linked.
  virtual CVikaChartItem* RemoveDuplicate(CVikaChartItem* other);
  virtual void AddDuplicate(CVikaChartItem* other);
  virtual BOOL IsSamePlace(const CVikaChartItem* other) const;
  virtual int GetSpacingFactor() const;
  virtual double GetLevel() const;
  virtual double GetSpacing() const;
  virtual double CalcX(BOOL bMetres) const;
  virtual double CalcDepth(BOOL bMetres) const;
  virtual double CalcSpan(BOOL bMetres) const;
  virtual int GetRelayAddress(int electrode) const;
  virtual int GetCable(int electrode) const;
  virtual CString& GetStateText(CString& out) const;

  int GetTakeout(int electrode) const;
  void CalcPosition(double gridX, double gridY);
  int Compare(const CVikaChartItem* other, const SortSpec* spec) const;
  int CompareBy(const CVikaChartItem* other, DWORD key) const;
  void ClearDuplicates();
  // Same section bits and electrodes; enabled bit, channel and line do not
  // count.
  bool operator==(const CVikaChartItem& other) const;

  DWORD GetSection() const { return m_dwState & kSectionMask; }
  BOOL IsEnabled() const { return (m_dwState & kStateEnabled) != 0; }
  void SetEnabled(BOOL enabled) {
    if (enabled)
      m_dwState |= kStateEnabled;
    else
      m_dwState &= ~kStateEnabled;
  }

  RECT m_rcBox;
  double m_dSpan;
  DWORD m_dwState;
  double m_dX;
  double m_dDepth;
  int m_nLine;
  int m_nA;
  int m_nB;
  int m_nM;
  int m_nN;
  CVikaAddressMap* m_pAddressMap;
  ElectrodeLayout* m_pLayout;
  CVikaChartItemArray* m_pDuplicates;
  int m_nChannel;
  BOOL m_bPlaced;

 private:
  // Hands the electrodes to the shared layout; FALSE without one.
  BOOL PrepareLayout() const;
  double Factor(BOOL bMetres) const;
  double KeyValue(DWORD code) const;
};
