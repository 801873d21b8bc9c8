#include "chart/ChartPartGrid.h"

#include <algorithm>

ChartPartGrid::ChartPartGrid(int cellSize)
    : m_nCell(cellSize < 1 ? 1 : cellSize), m_rcAll{0, 0, 0, 0} {}

void ChartPartGrid::Clear() {
  m_boxes.clear();
  m_wide.clear();
  m_cells.clear();
  m_rcAll = RECT{0, 0, 0, 0};
}

long long ChartPartGrid::Key(int cx, int cy) const {
  return static_cast<long long>(
      static_cast<unsigned long long>(static_cast<unsigned>(cx)) << 32 |
      static_cast<unsigned>(cy));
}

int ChartPartGrid::Cell(int v) const {
  // Rounds towards minus infinity so negative coordinates share no cell
  // with positive ones.
  return v >= 0 ? v / m_nCell : -((-v + m_nCell - 1) / m_nCell);
}

long long ChartPartGrid::CellCount(const RECT& rc) const {
  const long long columns =
      static_cast<long long>(Cell(rc.right - 1)) - Cell(rc.left) + 1;
  const long long rows =
      static_cast<long long>(Cell(rc.bottom - 1)) - Cell(rc.top) + 1;
  return columns * rows;
}

bool ChartPartGrid::Meets(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom &&
         b.top < a.bottom;
}

void ChartPartGrid::Insert(int id, const RECT& box) {
  RECT rc = box;
  if (rc.left > rc.right) std::swap(rc.left, rc.right);
  if (rc.top > rc.bottom) std::swap(rc.top, rc.bottom);
  if (static_cast<int>(m_boxes.size()) <= id)
    m_boxes.resize(id + 1, RECT{0, 0, 0, 0});
  m_boxes[id] = rc;
  if (rc.left >= rc.right || rc.top >= rc.bottom) return;
  if (m_cells.empty()) {
    m_rcAll = rc;
  } else {
    m_rcAll.left = std::min(m_rcAll.left, rc.left);
    m_rcAll.top = std::min(m_rcAll.top, rc.top);
    m_rcAll.right = std::max(m_rcAll.right, rc.right);
    m_rcAll.bottom = std::max(m_rcAll.bottom, rc.bottom);
  }
  if (CellCount(rc) > kMaxCellsPerBox) {
    m_wide.push_back(id);
    return;
  }
  for (int cy = Cell(rc.top); cy <= Cell(rc.bottom - 1); ++cy) {
    for (int cx = Cell(rc.left); cx <= Cell(rc.right - 1); ++cx)
      m_cells[Key(cx, cy)].push_back(id);
  }
}

void ChartPartGrid::QueryAll(const RECT& rc, std::vector<int>& out) const {
  for (size_t id = 0; id < m_boxes.size(); ++id) {
    if (Meets(m_boxes[id], rc)) out.push_back(static_cast<int>(id));
  }
}

void ChartPartGrid::Query(const RECT& area, std::vector<int>& out) const {
  out.clear();
  RECT rc = area;
  if (rc.left > rc.right) std::swap(rc.left, rc.right);
  if (rc.top > rc.bottom) std::swap(rc.top, rc.bottom);
  // Only the cells that hold something are visited.
  rc.left = std::max(rc.left, m_rcAll.left);
  rc.top = std::max(rc.top, m_rcAll.top);
  rc.right = std::min(rc.right, m_rcAll.right);
  rc.bottom = std::min(rc.bottom, m_rcAll.bottom);
  if (rc.left >= rc.right || rc.top >= rc.bottom) return;
  if (CellCount(rc) > static_cast<long long>(m_boxes.size())) {
    QueryAll(area, out);  // ascending and each once already
    return;
  }
  for (int cy = Cell(rc.top); cy <= Cell(rc.bottom - 1); ++cy) {
    for (int cx = Cell(rc.left); cx <= Cell(rc.right - 1); ++cx) {
      auto found = m_cells.find(Key(cx, cy));
      if (found == m_cells.end()) continue;
      for (int id : found->second) {
        if (Meets(m_boxes[id], area)) out.push_back(id);
      }
    }
  }
  for (int id : m_wide) {
    if (Meets(m_boxes[id], area)) out.push_back(id);
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
}

int ChartPartGrid::FindAt(POINT pt) const {
  auto holds = [this, pt](int id) {
    const RECT& rc = m_boxes[id];
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top &&
           pt.y < rc.bottom;
  };
  int lowest = -1;
  auto found = m_cells.find(Key(Cell(pt.x), Cell(pt.y)));
  if (found != m_cells.end()) {
    for (int id : found->second) {  // ascending: the first hit is the lowest
      if (holds(id)) {
        lowest = id;
        break;
      }
    }
  }
  for (int id : m_wide) {
    if (holds(id) && (lowest < 0 || id < lowest)) lowest = id;
  }
  return lowest;
}
