#include "framework/Portable.h"
#include "chart/VikaChartItem.h"

#include <cfloat>
#include <cmath>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

IMPLEMENT_SERIAL(CVikaChartItem, CObject, VERSIONABLE_SCHEMA | 256)

namespace {
// Pixels above the chart items kept for the three takeout rows.
const int kChartTop = 55;
const double kSamePlace = 0.1;

RECT MakeRect(int left, int top, int right, int bottom) {
  RECT rc;
  rc.left = left;
  rc.top = top;
  rc.right = right;
  rc.bottom = bottom;
  return rc;
}
}  // namespace

CVikaChartItem::CVikaChartItem()
    : CObject(),
      MvcModel(),
      m_rcBox(MakeRect(0, 0, 0, 0)),
      m_dSpan(0),
      m_dwState(0),
      m_dX(0),
      m_dDepth(0),
      m_nLine(0),
      m_nA(0),
      m_nB(0),
      m_nM(0),
      m_nN(0),
      m_pAddressMap(NULL),
      m_pLayout(NULL),
      m_pDuplicates(NULL),
      m_nChannel(0),
      m_bPlaced(FALSE) {}

CVikaChartItem::CVikaChartItem(ElectrodeLayout* layout,
                               CVikaAddressMap* addressMap,
                               const ChartItemSource& src, DWORD state,
                               double gridX, double gridY)
    : CVikaChartItem() {
  m_pLayout = layout;
  m_pAddressMap = addressMap;
  m_nA = src.nA;
  m_nB = src.nB;
  m_nM = src.nM;
  m_nN = src.nN;
  m_nChannel = src.nChannel;
  m_nLine = src.nLine;
  m_dwState = state;
  CalcPosition(gridX, gridY);
}

CVikaChartItem::CVikaChartItem(const CVikaChartItem& other)
    : CVikaChartItem() {
  other.CopyTo(this);
}

CVikaChartItem& CVikaChartItem::operator=(const CVikaChartItem& other) {
  if (this != &other)
    other.CopyTo(this);
  return *this;
}

CVikaChartItem::~CVikaChartItem() {
  if (m_pDuplicates)
    ClearDuplicates();
}

void CVikaChartItem::CopyTo(CVikaChartItem* target) const {
  if (target == NULL || target == this)
    return;
  target->m_rcBox = m_rcBox;
  target->m_dSpan = m_dSpan;
  target->m_dwState = m_dwState;
  target->m_dX = m_dX;
  target->m_dDepth = m_dDepth;
  target->m_nLine = m_nLine;
  target->m_nA = m_nA;
  target->m_nB = m_nB;
  target->m_nM = m_nM;
  target->m_nN = m_nN;
  target->m_pAddressMap = m_pAddressMap;
  target->m_pLayout = m_pLayout;
  target->m_nChannel = m_nChannel;
  target->m_bPlaced = m_bPlaced;
  target->ClearDuplicates();
}

CVikaChartItem* CVikaChartItem::RemoveDuplicate(CVikaChartItem* other) {
  if (m_pDuplicates == NULL)
    return NULL;
  int index = -1;
  for (int i = 0; i < m_pDuplicates->GetSize(); ++i) {
    if (m_pDuplicates->GetAt(i) == other) {
      index = i;
      break;
    }
  }
  if (index < 0)
    return NULL;
  m_pDuplicates->RemoveAt(index);
  if (m_pDuplicates->GetSize() == 0) {
    delete m_pDuplicates;
    m_pDuplicates = NULL;
  }
  if (other)
    other->RemoveDuplicate(this);
  return other;
}

void CVikaChartItem::AddDuplicate(CVikaChartItem* other) {
  if (m_pDuplicates == NULL)
    m_pDuplicates = new CVikaChartItemArray;
  m_pDuplicates->Add(other);
}

void CVikaChartItem::ClearDuplicates() {
  while (m_pDuplicates && m_pDuplicates->GetSize() > 0)
    RemoveDuplicate(m_pDuplicates->GetAt(0));
  delete m_pDuplicates;
  m_pDuplicates = NULL;
}

BOOL CVikaChartItem::IsSamePlace(const CVikaChartItem* other) const {
  return std::fabs(m_dX - other->m_dX) <= kSamePlace &&
         std::fabs(m_dDepth - other->m_dDepth) <= kSamePlace;
}

int CVikaChartItem::GetSpacingFactor() const {
  return m_pAddressMap ? static_cast<int>(m_pAddressMap->m_nFactor) : 0;
}

BOOL CVikaChartItem::PrepareLayout() const {
  if (m_pLayout == NULL)
    return FALSE;
  m_pLayout->SetElectrodes(m_nA, m_nB, m_nM, m_nN);
  return TRUE;
}

double CVikaChartItem::GetLevel() const {
  return PrepareLayout() ? m_pLayout->GetLevel() : 0.0;
}

double CVikaChartItem::GetSpacing() const {
  return PrepareLayout() ? m_pLayout->GetSpacing() : 0.0;
}

double CVikaChartItem::Factor(BOOL bMetres) const {
  return bMetres ? static_cast<double>(GetSpacingFactor()) : 1.0;
}

double CVikaChartItem::CalcX(BOOL bMetres) const {
  if (!PrepareLayout())
    return 0.0;
  const double g = Factor(bMetres);
  const double move = m_pAddressMap ? m_pAddressMap->m_nXMove : 0;
  const double v = (m_pLayout->GetX() - 1.0) * g;
  if (m_dwState & kSectionUp)
    return v + move * g;
  if (m_dwState & kSectionOrg)
    return v;
  if (m_dwState & kSectionDwn)
    return v - move * g;
  return DBL_MAX;
}

double CVikaChartItem::CalcDepth(BOOL bMetres) const {
  if (!PrepareLayout())
    return 0.0;
  return m_pLayout->GetPseudoDepth() * Factor(bMetres);
}

double CVikaChartItem::CalcSpan(BOOL bMetres) const {
  if (!PrepareLayout())
    return 0.0;
  return m_pLayout->GetLength() * Factor(bMetres);
}

int CVikaChartItem::GetRelayAddress(int electrode) const {
  MapItem entry;
  if (m_pAddressMap && m_pAddressMap->Lookup(electrode, entry))
    return entry.nAddress;
  return -1;
}

int CVikaChartItem::GetCable(int electrode) const {
  MapItem entry;
  if (m_pAddressMap && m_pAddressMap->Lookup(electrode, entry))
    return entry.nCable;
  return -1;
}

int CVikaChartItem::GetTakeout(int electrode) const {
  MapItem entry;
  if (m_pAddressMap && m_pAddressMap->Lookup(electrode, entry))
    return entry.nTakeout;
  return -1;
}

CString& CVikaChartItem::GetStateText(CString& out) const {
  switch (m_dwState & kSectionMask) {
    case 1: out = "ORG"; break;
    case 2: out = "UP"; break;
    case 3: out = "ORG+UP"; break;
    case 4: out = "DWN"; break;
    case 5: out = "ORG+DWN"; break;
    case 7: out = "ALL"; break;
    default: out = "(Undefined)"; break;
  }
  return out;
}

void CVikaChartItem::CalcPosition(double gridX, double gridY) {
  if (!PrepareLayout())
    return;
  const double f = GetSpacingFactor();
  const double move = m_pAddressMap ? m_pAddressMap->m_nXMove : 0;
  double xm = m_pLayout->GetX() * f;
  if (m_dwState & kSectionOrg)
    xm += move * f;
  else if (m_dwState & kSectionUp)
    xm += 2 * move * f;
  const double y = m_pLayout->GetPseudoDepth();

  // Positions of absent electrodes are huge; keep the box arithmetic in int
  // range whatever the layout says.
  auto toPixel = [](double v) {
    if (!(v > -1e9))
      return -1000000000;
    if (!(v < 1e9))
      return 1000000000;
    return static_cast<int>(v);
  };
  const int px = toPixel(gridX * xm);
  const int py = toPixel(gridY * y) + kChartTop;
  m_rcBox = MakeRect(px - 3, py - 3, px + 3, py + 3);

  m_dSpan = CalcSpan(TRUE);
  m_dX = CalcX(TRUE);
  m_dDepth = CalcDepth(TRUE);
  m_bPlaced = std::fabs(xm) > 0 && std::fabs(y) > 0;
}

bool CVikaChartItem::operator==(const CVikaChartItem& other) const {
  return (m_dwState & kSectionMask) == (other.m_dwState & kSectionMask) &&
         m_nA == other.m_nA && m_nB == other.m_nB && m_nM == other.m_nM &&
         m_nN == other.m_nN;
}

double CVikaChartItem::KeyValue(DWORD code) const {
  switch (code) {
    case SortSpec::kC1: return m_nA;
    case SortSpec::kC2: return m_nB;
    case SortSpec::kP1: return m_nM;
    case SortSpec::kP2: return m_nN;
    case SortSpec::kMidpoint: return GetX();
    case SortSpec::kDepth: return GetDepth();
    case SortSpec::kSpacing: return GetSpacing();
    case SortSpec::kLevel: return GetLevel();
    case SortSpec::kSection: return m_dwState & kSectionMask;
  }
  return 0;
}

int CVikaChartItem::Compare(const CVikaChartItem* other,
                            const SortSpec* spec) const {
  if (spec == NULL)
    return 0;
  const int count = spec->nCount < 3 ? spec->nCount : 3;
  for (int k = 0; k < count; ++k) {
    const DWORD key = spec->dwKeys[k];
    const int direction = (key & SortSpec::kDescending) ? -1 : 1;
    DWORD code = 0;
    for (DWORD bit = SortSpec::kC1; bit <= SortSpec::kSection; bit <<= 1) {
      if (key & bit) {
        code = bit;
        break;
      }
    }
    if (code == 0)
      continue;
    const double mine = KeyValue(code);
    const double theirs = other->KeyValue(code);
    const int raw = mine > theirs ? 1 : (mine < theirs ? -1 : 0);
    if (raw != 0)
      return raw * direction;
  }
  return 0;
}

int CVikaChartItem::CompareBy(const CVikaChartItem* other, DWORD key) const {
  SortSpec spec = {1, {key, 0, 0}};
  return Compare(other, &spec);
}

int AddGrowing(CVikaChartItemArray& items, CVikaChartItem* item) {
  const int size = items.GetSize();
  if (size >= 1024)
    items.SetSize(size, size);
  return items.Add(item);
}
