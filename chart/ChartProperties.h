// The chart settings, kept in the profile: read when the record is made and
// written back when it goes, so changes persist across sessions. A value
// read outside its sane range (a grid of 0, a separation of 1e300, a flag
// of 7, NaN) falls back to its default, so the chart's extents stay sound.
#pragma once
#include "framework/Portable.h"

class CProfileStore;

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

  // Through the host's profile, or the given store.
  void Load();
  void Save() const;
  void Load(CProfileStore& store);
  void Save(CProfileStore& store) const;

  // The grid range the grid dialog allows, in logical pixels per unit.
  static constexpr double kMinGrid = 5.0;
  static constexpr double kMaxGrid = 100.0;

  int m_bReciprocalLayout;
  int m_bShowIndex;
  int m_bAutoSort;
  double m_dTakeoutSeparation;  // metres per electrode spacing
  double m_dOrgPosition;        // metres
  double m_dGridX;              // logical pixels per unit
  double m_dGridY;
};
