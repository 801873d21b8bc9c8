// The chart settings, kept in the profile: read when the record is made and
// written back when it goes, so changes persist across sessions.
#pragma once
#include "framework/Framework.h"

class ChartProperties {
 public:
  ChartProperties();
  ~ChartProperties();
  ChartProperties(const ChartProperties&) = delete;
  ChartProperties& operator=(const ChartProperties&) = delete;

  // The profile value "separation,x-position,auto sort,grid X,grid Y,show
  // index,reciprocal"; values missing from a short text keep what they are.
  void FromProfileString(LPCTSTR text);
  CString ToProfileString() const;
  void SetDefaults();

  void Load();
  void Save() const;

  int m_bReciprocalLayout;
  int m_bShowIndex;
  int m_bAutoSort;
  double m_dTakeoutSeparation;  // metres per electrode spacing
  double m_dOrgPosition;        // metres
  double m_dGridX;              // logical pixels per unit
  double m_dGridY;
};
