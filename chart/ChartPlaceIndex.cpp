#include "chart/ChartPlaceIndex.h"

#include <cmath>

namespace {
// Beyond this a cell number would lose precision.
const double kGridLimit = 1e12;
}  // namespace

ChartPlaceIndex::ChartPlaceIndex(double tolerance)
    : m_dTolerance(tolerance), m_dCell(2.5 * tolerance) {}

void ChartPlaceIndex::Clear() {
  m_heads.clear();
  m_entries.clear();
  m_offGrid.clear();
  m_all.clear();
}

bool ChartPlaceIndex::OnGrid(double x, double depth) {
  return std::fabs(x) < kGridLimit && std::fabs(depth) < kGridLimit;
}

std::int64_t ChartPlaceIndex::Cell(double v) const {
  return static_cast<std::int64_t>(std::floor(v / m_dCell));
}

std::uint64_t ChartPlaceIndex::Key(std::int64_t cx, std::int64_t cy) {
  return (static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull) ^
         static_cast<std::uint64_t>(cy);
}

void ChartPlaceIndex::Insert(int id, double x, double depth) {
  m_all.push_back(id);
  if (!OnGrid(x, depth)) {
    m_offGrid.push_back(id);
    return;
  }
  auto [head, added] = m_heads.try_emplace(Key(Cell(x), Cell(depth)), -1);
  m_entries.push_back(Entry{id, head->second});
  head->second = static_cast<int>(m_entries.size()) - 1;
}

void ChartPlaceIndex::Candidates(double x, double depth,
                                 std::vector<int>& out) const {
  if (!OnGrid(x, depth)) {
    out.insert(out.end(), m_all.begin(), m_all.end());
    return;
  }
  // The search box is widened a little, so rounding in the differences the
  // exact test takes can never hide a point in a cell not visited.
  const double slackX = m_dTolerance + 1e-9 * (1.0 + std::fabs(x));
  const double slackY = m_dTolerance + 1e-9 * (1.0 + std::fabs(depth));
  const std::int64_t x0 = Cell(x - slackX), x1 = Cell(x + slackX);
  const std::int64_t y0 = Cell(depth - slackY), y1 = Cell(depth + slackY);
  for (std::int64_t cx = x0; cx <= x1; ++cx) {
    for (std::int64_t cy = y0; cy <= y1; ++cy) {
      auto head = m_heads.find(Key(cx, cy));
      if (head == m_heads.end())
        continue;
      for (int k = head->second; k >= 0; k = m_entries[k].next)
        out.push_back(m_entries[k].id);
    }
  }
  out.insert(out.end(), m_offGrid.begin(), m_offGrid.end());
}
