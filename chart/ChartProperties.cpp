#include "framework/Portable.h"
#include "chart/ChartProperties.h"

#include <cstdio>

#include "framework/HostServices.h"

namespace {
const char kSection[] = "VikaChartModel";
const char kKey[] = "Properties";
const char kDefault[] = "2.0,0.0,1,12.0,12.0,1,0";

const double kDefaultSeparation = 2.0;
const double kDefaultOrgPosition = 0.0;
const double kDefaultGrid = 12.0;
// Metres: a takeout separation the profile text can hold (it keeps one
// decimal), a line position within 1000 km.
const double kMinSeparation = 0.1;
const double kMaxSeparation = 1000.0;
const double kMaxOrgPosition = 1e6;

// The value when lo <= value <= hi, else the default (NaN is never in range).
double InRangeOr(double value, double lo, double hi, double fallback) {
  return value >= lo && value <= hi ? value : fallback;
}

int FlagOr(int value, int fallback) {
  return value == 0 || value == 1 ? value : fallback;
}
}  // namespace

ChartProperties::ChartProperties() {
  SetDefaults();
  Load();
}

ChartProperties::~ChartProperties() { Save(); }

void ChartProperties::SetDefaults() {
  m_bReciprocalLayout = 0;
  m_bShowIndex = 1;
  m_bAutoSort = 1;
  m_dTakeoutSeparation = kDefaultSeparation;
  m_dOrgPosition = kDefaultOrgPosition;
  m_dGridX = kDefaultGrid;
  m_dGridY = kDefaultGrid;
}

void ChartProperties::FromProfileString(LPCTSTR text) {
  if (text == NULL)
    return;
  double separation = m_dTakeoutSeparation, orgPosition = m_dOrgPosition;
  double gridX = m_dGridX, gridY = m_dGridY;
  int autoSort = m_bAutoSort, showIndex = m_bShowIndex;
  int reciprocal = m_bReciprocalLayout;
  std::sscanf(text, "%lf,%lf,%d,%lf,%lf,%d,%d", &separation, &orgPosition,
              &autoSort, &gridX, &gridY, &showIndex, &reciprocal);
  m_dTakeoutSeparation = InRangeOr(separation, kMinSeparation, kMaxSeparation,
                                   kDefaultSeparation);
  m_dOrgPosition = InRangeOr(orgPosition, -kMaxOrgPosition, kMaxOrgPosition,
                             kDefaultOrgPosition);
  m_dGridX = InRangeOr(gridX, kMinGrid, kMaxGrid, kDefaultGrid);
  m_dGridY = InRangeOr(gridY, kMinGrid, kMaxGrid, kDefaultGrid);
  m_bAutoSort = FlagOr(autoSort, 1);
  m_bShowIndex = FlagOr(showIndex, 1);
  m_bReciprocalLayout = FlagOr(reciprocal, 0);
}

CString ChartProperties::ToProfileString() const {
  CString text;
  text.Format("%.1f,%.1f,%d,%.0f,%.0f,%d,%d", m_dTakeoutSeparation,
              m_dOrgPosition, m_bAutoSort, m_dGridX, m_dGridY, m_bShowIndex,
              m_bReciprocalLayout);
  return text;
}

void ChartProperties::Load() { Load(GetHostServices().Profile()); }

void ChartProperties::Save() const { Save(GetHostServices().Profile()); }

void ChartProperties::Load(CProfileStore& store) {
  const CString value = store.GetString(kSection, kKey, kDefault);
  FromProfileString(value.IsEmpty() ? kDefault : static_cast<LPCTSTR>(value));
}

void ChartProperties::Save(CProfileStore& store) const {
  store.WriteString(kSection, kKey, ToProfileString());
}
