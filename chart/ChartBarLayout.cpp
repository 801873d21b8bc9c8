#include "chart/ChartBarLayout.h"

#include <algorithm>
#include <numeric>

namespace {

struct Group {
  int left;
  int right;
  std::vector<size_t> members;
};

// Controls whose spans across overlap or touch belong to one group (a group
// box and what it holds, a label and its field), left to right.
std::vector<Group> GroupsOf(const std::vector<CRect>& controls) {
  std::vector<size_t> order(controls.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return controls[a].left < controls[b].left;
  });
  std::vector<Group> groups;
  for (size_t i : order) {
    const CRect& rc = controls[i];
    if (groups.empty() || rc.left > groups.back().right)
      groups.push_back({rc.left, rc.right, {}});
    groups.back().right = std::max(groups.back().right, static_cast<int>(rc.right));
    groups.back().members.push_back(i);
  }
  return groups;
}

}  // namespace

ChartBarPlaces ChartBarLayout::Wrap(const std::vector<CRect>& controls,
                                    int width, int rowHeight) {
  ChartBarPlaces places;
  places.controls = controls;
  const std::vector<Group> groups = GroupsOf(controls);
  if (groups.empty()) return places;
  const int margin = groups.front().left;
  int row = 0;
  int end = margin;  // right end of the last group placed in the row
  for (size_t g = 0; g < groups.size(); ++g) {
    const Group& group = groups[g];
    const int gap = g == 0 ? 0 : group.left - groups[g - 1].right;
    int left = end + gap;
    const bool firstInRow = end == margin;
    if (!firstInRow && left + (group.right - group.left) > width) {
      ++row;
      left = margin;
    }
    for (size_t i : group.members)
      places.controls[i].OffsetRect(left - group.left, row * rowHeight);
    end = left + (group.right - group.left);
  }
  places.rows = row + 1;
  return places;
}
