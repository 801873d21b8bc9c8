#include "framework/Framework.h"
#include "chart/ChartProperties.h"

#include <cstdio>

#include "chart/ChartHost.h"

namespace {
const char kSection[] = "VikaChartModel";
const char kKey[] = "Properties";
const char kDefault[] = "2.0,0.0,1,12.0,12.0,1,0";
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
  m_dTakeoutSeparation = 2.0;
  m_dOrgPosition = 0.0;
  m_dGridX = 12.0;
  m_dGridY = 12.0;
}

void ChartProperties::FromProfileString(LPCTSTR text) {
  if (text == NULL)
    return;
  std::sscanf(text, "%lf,%lf,%d,%lf,%lf,%d,%d", &m_dTakeoutSeparation,
              &m_dOrgPosition, &m_bAutoSort, &m_dGridX, &m_dGridY,
              &m_bShowIndex, &m_bReciprocalLayout);
}

CString ChartProperties::ToProfileString() const {
  CString text;
  text.Format("%.1f,%.1f,%d,%.0f,%.0f,%d,%d", m_dTakeoutSeparation,
              m_dOrgPosition, m_bAutoSort, m_dGridX, m_dGridY, m_bShowIndex,
              m_bReciprocalLayout);
  return text;
}

void ChartProperties::Load() {
  IChartHost* host = GetChartHost();
  if (host == NULL)
    return;
  CString value;
  if (!host->GetProfileString(kSection, kKey, value))
    return;
  FromProfileString(value.IsEmpty() ? kDefault : static_cast<LPCTSTR>(value));
}

void ChartProperties::Save() const {
  IChartHost* host = GetChartHost();
  if (host == NULL)
    return;
  host->WriteProfileString(kSection, kKey, ToProfileString());
}
