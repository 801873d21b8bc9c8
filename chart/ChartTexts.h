// The texts the chart's dialog bars show: entry counts, the settings'
// fields and the twelve lines about the measurement or takeout under the
// mouse.
#pragma once
#include "framework/Portable.h"

#include <array>
#include <vector>

class CVikaChartItem;
class CVikaCableItem;

class ChartTexts {
 public:
  using InfoLines = std::array<CString, 12>;

  static CString Counts(int orgEnabled, int upEnabled, int dwnEnabled,
                        int orgAll, int upAll, int dwnAll);
  static CString Separation(double value);
  // A number that does not parse reads as 0.
  static double ParseDouble(const CString& text);
  // "X: 15" and "Y: 15"; reading skips the two-character label.
  static CString Grid(char axis, int value);
  static int ParseGrid(const CString& text);
  static CString Layout(BOOL bReciprocal);

  // Distances are in metres: grid units times the takeout separation, the
  // midpoint shifted by the ORG-layout x-position.
  static InfoLines ForItem(const CVikaChartItem& item, double separation,
                           double xPos);
  // The duplicates dialog's lines: the item, then its duplicates; or the
  // one line saying there are none. In metres, as ForItem.
  static std::vector<CString> DuplicateLines(const CVikaChartItem* item,
                                             double separation, double xPos);
  static InfoLines ForTakeout(const CVikaCableItem& takeout, double separation,
                              double xPos);
};
