#include "chart/ChartCommands.h"

#include <algorithm>

namespace {

bool UsesTakeout(const CVikaChartItem& item, const CVikaCableItem& takeout) {
  const int electrodes[4] = {item.m_nA, item.m_nB, item.m_nM, item.m_nN};
  for (int e : electrodes) {
    if (item.GetCable(e) == takeout.m_nCable &&
        item.GetTakeout(e) == takeout.m_nTakeout)
      return true;
  }
  return false;
}

int SmallestPresent(int x, int y) {
  if (x < 1) return y;
  if (y < 1) return x;
  return std::min(x, y);
}

const DWORD kSortCodes[9] = {0,
                             SortSpec::kC1,
                             SortSpec::kC2,
                             SortSpec::kP1,
                             SortSpec::kP2,
                             SortSpec::kMidpoint,
                             SortSpec::kDepth,
                             SortSpec::kSpacing,
                             SortSpec::kLevel};

}  // namespace

int ChartCommands::EnableTakeout(CVikaChartModel& model,
                                 CVikaCableItem& takeout, BOOL bEnable) {
  CVikaChartItemArray& items = model.GetItems();
  int found = 0;
  for (int i = 0; i < items.GetSize(); ++i) {
    CVikaChartItem& item = *items[i];
    if (item.GetSection() != takeout.GetSection() ||
        !UsesTakeout(item, takeout))
      continue;
    item.SetEnabled(bEnable);
    takeout.SetEnabled(bEnable ? 1 : 0);
    ++found;
  }
  model.ApplyTakeoutStates();
  model.UpdateCounts();
  return found;
}

std::vector<CVikaChartItem*> ChartCommands::ItemsInLine(
    CVikaChartModel& model, CVikaChartItem& item, BOOL bSameDepth, BOOL bDWN,
    BOOL bORG, BOOL bUP, int& position) {
  CVikaChartItemArray& items = model.GetItems();
  std::vector<CVikaChartItem*> ordered(items.GetData(),
                                       items.GetData() + items.GetSize());
  SortSpec spec = {2, {SortSpec::kDepth, SortSpec::kMidpoint, 0}};
  std::stable_sort(ordered.begin(), ordered.end(),
                   [&spec](const CVikaChartItem* a, const CVikaChartItem* b) {
                     return a->Compare(b, &spec) < 0;
                   });
  const DWORD key = bSameDepth ? SortSpec::kDepth : SortSpec::kMidpoint;
  const struct {
    BOOL chosen;
    DWORD section;
  } sections[3] = {{bDWN, kSectionDwn}, {bORG, kSectionOrg}, {bUP, kSectionUp}};
  std::vector<CVikaChartItem*> line;
  position = -1;
  for (const auto& s : sections) {
    if (!s.chosen) continue;
    for (CVikaChartItem* other : ordered) {
      if (other->GetSection() != s.section || item.CompareBy(other, key) != 0)
        continue;
      if (other == &item) position = static_cast<int>(line.size());
      line.push_back(other);
    }
  }
  return line;
}

int ChartCommands::SetItemStates(CVikaChartModel& model, CVikaChartItem& item,
                                 BOOL bSameDepth, BOOL bDWN, BOOL bORG,
                                 BOOL bUP, int step, BOOL bEnable) {
  int position = -1;
  std::vector<CVikaChartItem*> line =
      ItemsInLine(model, item, bSameDepth, bDWN, bORG, bUP, position);
  if (position < 0) return 0;
  if (step < 1) step = 1;
  int changed = 0;
  for (size_t i = position % step; i < line.size(); i += step) {
    line[i]->SetEnabled(bEnable);
    ++changed;
  }
  model.SetModified(TRUE);
  model.UpdateCounts();
  return changed;
}

BOOL ChartCommands::IsReciprocal(int a, int b, int m, int n) {
  const int current = SmallestPresent(a, b);
  const int potential = SmallestPresent(m, n);
  return current >= 1 && potential >= 1 && potential < current;
}

BOOL ChartCommands::ToggleLayout(CVikaChartModel& model) {
  ChartProperties& properties = model.GetProperties();
  properties.m_bReciprocalLayout = properties.m_bReciprocalLayout ? 0 : 1;
  CVikaChartItemArray& items = model.GetItems();
  if (items.GetSize() == 0) return FALSE;
  const CVikaChartItem& first = *items[0];
  if (IsReciprocal(first.m_nA, first.m_nB, first.m_nM, first.m_nN) ==
      (properties.m_bReciprocalLayout != 0))
    return FALSE;
  for (int i = 0; i < items.GetSize(); ++i) {
    CVikaChartItem& item = *items[i];
    std::swap(item.m_nA, item.m_nM);
    std::swap(item.m_nB, item.m_nN);
  }
  model.SetModified(TRUE);
  return TRUE;
}

SortSpec ChartCommands::MakeSortSpec(const int selection[3],
                                     const int descending[3]) {
  SortSpec spec = {0, {0, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    const int index = selection[i];
    if (index <= 0 || index >= 9) continue;
    DWORD key = kSortCodes[index];
    if (descending[i] > 0) key |= SortSpec::kDescending;
    spec.dwKeys[spec.nCount++] = key;
  }
  return spec;
}

void ChartCommands::ZoomFactors(ZoomCommand command, SIZE device1000, float& fx,
                                float& fy) {
  switch (command) {
    case kZoomIn:
      fx = fy = 0.75f;
      return;
    case kZoomOut:
      fx = fy = 1.3333334f;
      return;
    case kZoomReset:
      fx = device1000.cx > 0 ? device1000.cx / 1000.0f : 1.0f;
      fy = device1000.cy > 0 ? device1000.cy / 1000.0f : 1.0f;
      return;
  }
}

POINT ChartCommands::Centre(const RECT& visible) {
  RECT rc = visible;
  if (rc.left > rc.right) std::swap(rc.left, rc.right);
  if (rc.top > rc.bottom) std::swap(rc.top, rc.bottom);
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}
