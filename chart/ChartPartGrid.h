// Finds the parts whose boxes meet a rectangle or hold a point through a
// grid of cells over their boxes, so painting and hovering cost what is
// near, not the number of parts. Ids are the parts' places in the list.
// However far apart the boxes lie or however large they or the rectangle
// are, no call visits more cells than there are boxes: a box covering many
// cells is kept apart, and an area of more cells than boxes is answered by
// looking at every box.
#pragma once
#include "framework/Portable.h"

#include <unordered_map>
#include <vector>

class ChartPartGrid {
 public:
  explicit ChartPartGrid(int cellSize = 32);

  void Clear();
  // Ids must be added in ascending order.
  void Insert(int id, const RECT& box);
  int GetCount() const { return static_cast<int>(m_boxes.size()); }
  // The ids of the boxes that meet rc (right and bottom edges outside), in
  // ascending order.
  void Query(const RECT& rc, std::vector<int>& out) const;
  // The lowest id whose box holds the point, or -1.
  int FindAt(POINT pt) const;

 private:
  long long Key(int cx, int cy) const;
  int Cell(int v) const;
  static bool Meets(const RECT& a, const RECT& b);

  // Boxes of more cells than this are kept in m_wide.
  static constexpr long long kMaxCellsPerBox = 64;
  long long CellCount(const RECT& rc) const;
  void QueryAll(const RECT& rc, std::vector<int>& out) const;

  int m_nCell;
  std::vector<RECT> m_boxes;
  std::vector<int> m_wide;
  std::unordered_map<long long, std::vector<int>> m_cells;
  RECT m_rcAll;
};
