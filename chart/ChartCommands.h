// The chart controller's operations on the model that need no window:
// takeout and item states, the layout toggle, the sort keys of the sort
// dialog and the zoom factors. The controller adds the refreshing.
#pragma once
#include "framework/Portable.h"

#include <vector>

#include "chart/VikaChartModel.h"

class ChartCommands {
 public:
  // Sets or clears the enabled bit of every measurement of the takeout's
  // section that uses the takeout; the takeout follows only when one does.
  // Then the takeout states are made to match the items and the counts are
  // made again. Returns the number of measurements found.
  static int EnableTakeout(CVikaChartModel& model, CVikaCableItem& takeout,
                           BOOL bEnable);

  // The measurements of the chosen sections at the clicked item's depth
  // (bSameDepth) or midpoint, ordered by depth then midpoint: every step-th
  // of them, counted both ways from the clicked item, is set or cleared.
  // The model's own order is left alone. Nothing changes when the clicked
  // item is not among them. Returns the number of items changed.
  static int SetItemStates(CVikaChartModel& model, CVikaChartItem& item,
                           BOOL bSameDepth, BOOL bDWN, BOOL bORG, BOOL bUP,
                           int step, BOOL bEnable);
  // The list SetItemStates walks, and the clicked item's place in it (-1).
  static std::vector<CVikaChartItem*> ItemsInLine(CVikaChartModel& model,
                                                  CVikaChartItem& item,
                                                  BOOL bSameDepth, BOOL bDWN,
                                                  BOOL bORG, BOOL bUP,
                                                  int& position);

  // A measurement is read in reciprocal layout when its potential pair
  // starts before its current pair (electrodes below 1 are absent).
  static BOOL IsReciprocal(int a, int b, int m, int n);
  // Flips the reciprocal-layout setting and, when the first item's
  // orientation then differs from it, exchanges A with M and B with N in
  // every item. Returns TRUE when the items were changed.
  static BOOL ToggleLayout(CVikaChartModel& model);

  // Sort keys from the dialog's three boxes (index 0-8 into "(none)", C1,
  // C2, P1, P2, midpoint, depth, a, n) and directions; boxes left at
  // "(none)" are dropped, so the keys after them still take effect.
  static SortSpec MakeSortSpec(const int selection[3], const int descending[3]);

  // Scale multipliers of the zoom commands: in (4/3 larger), out, and 1:1
  // given the device size of 1000 x 1000 logical units.
  enum ZoomCommand { kZoomIn, kZoomOut, kZoomReset };
  static void ZoomFactors(ZoomCommand command, SIZE device1000, float& fx,
                          float& fy);
  // The centre about which zooming keeps the chart.
  static POINT Centre(const RECT& visible);
};
