#include "framework/Portable.h"
#include "chart/VikaCableItem.h"

#include "design/VikaAddressMap.h"

IMPLEMENT_SERIAL(CVikaCableItem, CObject, VERSIONABLE_SCHEMA | 256)

CVikaCableItem::CVikaCableItem()
    : CObject(),
      MvcModel(),
      m_rcBox(),
      m_pAddressMap(NULL),
      m_nCable(0),
      m_nTakeout(0),
      m_nElectrode(0),
      m_dwState(0) {}

CVikaCableItem::CVikaCableItem(CVikaAddressMap* addressMap, int electrode,
                               int cable, int takeout, DWORD section,
                               double gridX, double gridY)
    : CVikaCableItem() {
  m_pAddressMap = addressMap;
  m_nElectrode = electrode;
  m_nCable = cable;
  m_nTakeout = takeout;
  m_dwState = section;
  CalcPosition(gridX, gridY);
}

CVikaCableItem::CVikaCableItem(const CVikaCableItem& other)
    : CVikaCableItem() {
  *this = other;
}

CVikaCableItem& CVikaCableItem::operator=(const CVikaCableItem& other) {
  if (this == &other)
    return *this;
  m_rcBox = other.m_rcBox;
  m_pAddressMap = other.m_pAddressMap;
  m_nCable = other.m_nCable;
  m_nTakeout = other.m_nTakeout;
  m_nElectrode = other.m_nElectrode;
  m_dwState = other.m_dwState;
  return *this;
}

void CVikaCableItem::SetEnabled(int value) {
  if (value == 1)
    m_dwState |= kStateEnabled;
  else
    m_dwState &= ~kStateEnabled;
}

double CVikaCableItem::GetX() const {
  if (m_pAddressMap == NULL)
    return 0.0;
  // The header values come from a file: their product can leave int range.
  const double f = m_pAddressMap->m_nFactor;
  const double move = m_pAddressMap->m_nXMove;
  double x = 0;
  if (m_dwState & kSectionDwn)
    x -= f * move;
  else if (m_dwState & kSectionUp)
    x += f * move;
  return x + f * (static_cast<double>(m_nElectrode) - 1);
}

CString& CVikaCableItem::GetStateText(CString& out) const {
  switch (m_dwState & kSectionMask) {
    case 1: out = "ORG"; break;
    case 2: out = "UP"; break;
    case 4: out = "DWN"; break;
    default: out = "(Undefined)"; break;
  }
  return out;
}

namespace {
// Truncation toward zero, kept in a range where the box arithmetic cannot
// overflow whatever the address file and the grid say.
int ToPixel(double v) {
  if (!(v > -1e9))
    return -1000000000;
  if (!(v < 1e9))
    return 1000000000;
  return static_cast<int>(v);
}
}  // namespace

void CVikaCableItem::CalcPosition(double gridX, double gridY) {
  const double f = m_pAddressMap ? m_pAddressMap->m_nFactor : 0;
  const double move = m_pAddressMap ? m_pAddressMap->m_nXMove : 0;
  double shift = 0;
  int row = 30;  // DWN on top
  if (m_dwState & kSectionOrg) {
    shift = ToPixel(f * gridX * move);
    row = 40;
  } else if (m_dwState & kSectionUp) {
    shift = 2.0 * ToPixel(f * gridX * move);
    row = 50;
  }
  SetEnabled(1);
  const double cx = ToPixel(shift + f * gridX * m_nElectrode);
  const double half = f * gridX / 2;
  m_rcBox.left = ToPixel(cx - half);
  m_rcBox.top = row - 7;
  m_rcBox.right = ToPixel(cx + half);
  m_rcBox.bottom = row;
}

bool CVikaCableItem::operator==(const CVikaCableItem& other) const {
  return (m_dwState & kSectionMask) == (other.m_dwState & kSectionMask) &&
         m_nElectrode == other.m_nElectrode && m_nCable == other.m_nCable &&
         m_nTakeout == other.m_nTakeout;
}
