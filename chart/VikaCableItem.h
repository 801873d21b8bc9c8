// One takeout of one cable in one roll-along position, drawn in the rows
// above the chart items. Enabled takeouts are those the protocol uses.
#pragma once
#include "framework/Portable.h"

#include "chart/VikaChartItem.h"

class CVikaCableItem : public CObject, public MvcModel {
  DECLARE_SERIAL(CVikaCableItem)

 public:
  CVikaCableItem();
  CVikaCableItem(CVikaAddressMap* addressMap, int electrode, int cable,
                 int takeout, DWORD section, double gridX, double gridY);
  CVikaCableItem(const CVikaCableItem& other);
  CVikaCableItem& operator=(const CVikaCableItem& other);

  virtual BOOL IsEnabled() const { return (m_dwState & kStateEnabled) != 0; }
  // Position in metres: the electrode's place shifted by the section.
  virtual double GetX() const;
  virtual CString& GetStateText(CString& out) const;

  // 1 enables; any other value disables.
  void SetEnabled(int value);
  void CalcPosition(double gridX, double gridY);
  bool operator==(const CVikaCableItem& other) const;

  DWORD GetSection() const { return m_dwState & kSectionMask; }

  RECT m_rcBox;
  CVikaAddressMap* m_pAddressMap;
  int m_nCable;
  int m_nTakeout;
  int m_nElectrode;
  DWORD m_dwState;
};

using CVikaCableItemArray = CArray<CVikaCableItem*, CVikaCableItem*>;
