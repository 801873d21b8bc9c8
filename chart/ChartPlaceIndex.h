// A grid over (x, depth) with cells of the same-place tolerance, so that
// the items within 0.1 of a point are found without scanning every item.
// Points too far out for the grid (absent electrodes give huge midpoints)
// are kept aside and are candidates of every query.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class ChartPlaceIndex {
 public:
  explicit ChartPlaceIndex(double tolerance = 0.1);

  void Clear();
  void Insert(int id, double x, double depth);
  // Appends to out the ids of every point that may lie within the tolerance
  // of (x, depth): a superset of the exact answer, in no particular order.
  // A point outside the grid gets every id.
  void Candidates(double x, double depth, std::vector<int>& out) const;

 private:
  static bool OnGrid(double x, double depth);
  std::int64_t Cell(double v) const;
  static std::uint64_t Key(std::int64_t cx, std::int64_t cy);

  // The points of a cell are a chain through m_entries, newest first, so a
  // cell costs one map slot and no allocation of its own.
  struct Entry {
    int id;
    int next;  // index in m_entries of the cell's previous point, or -1
  };

  double m_dTolerance;
  double m_dCell;
  std::unordered_map<std::uint64_t, int> m_heads;  // cell -> newest entry
  std::vector<Entry> m_entries;
  std::vector<int> m_offGrid;
  std::vector<int> m_all;
};
