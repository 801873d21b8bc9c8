// The same-place search over a growing item array: the first item, going
// round the array from a start, that stands at the same place as a given
// item, found through a place index instead of a scan, with the answer a
// scan would give.
#pragma once
#include "framework/Portable.h"

#include <vector>

#include "chart/ChartPlaceIndex.h"
#include "chart/VikaChartItem.h"

class ChartSamePlaceSearch {
 public:
  // Indexes every item of the array; the array must outlive the search.
  explicit ChartSamePlaceSearch(const CVikaChartItemArray& items);

  // Indexes the item appended at index.
  void Add(int index);
  // The index of the match nearest after start (round the array), or -1.
  int Find(const CVikaChartItem* item, int start);

 private:
  const CVikaChartItemArray& m_items;
  ChartPlaceIndex m_index;
  std::vector<int> m_candidates;
};
