// Sorting, numbering, optimising, duplicate handling, takeout states and
// the completion of a protocol with the measurements it lacks.
#include "framework/Portable.h"
#include "chart/VikaChartModel.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "framework/HostServices.h"
#include "framework/PathNames.h"
#include "chart/ChartSamePlaceSearch.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaCommand.h"
#include "design/VikaProtocolGenerator.h"

namespace {

const DWORD kSections[3] = {kSectionOrg, kSectionUp, kSectionDwn};

int SectionOf(DWORD state) {
  for (int s = 0; s < 3; ++s) {
    if (state & kSections[s])
      return s;
  }
  return -1;
}

// Where an electrode sits: cable and takeout, or none.
struct Takeout {
  int cable;
  int takeout;
  bool operator<(const Takeout& other) const {
    return cable != other.cable ? cable < other.cable
                                : takeout < other.takeout;
  }
};

bool TakeoutOf(const CVikaAddressMap* map, int electrode, Takeout& out) {
  MapItem entry;
  if (map == NULL || !map->Lookup(electrode, entry))
    return false;
  out.cable = entry.nCable;
  out.takeout = entry.nTakeout;
  return true;
}

// The takeouts of each section by cable and takeout number.
using TakeoutTable = std::map<Takeout, std::vector<CVikaCableItem*>>;

void BuildTakeoutTables(CVikaCableItemArray& takeouts, TakeoutTable tables[3]) {
  for (int i = 0; i < takeouts.GetSize(); ++i) {
    CVikaCableItem* item = takeouts[i];
    const int s = SectionOf(item->m_dwState);
    if (s < 0)
      continue;
    tables[s][Takeout{item->m_nCable, item->m_nTakeout}].push_back(item);
  }
}

// Calls visit with the takeouts (of the item's section) that each electrode
// of the item is wired to, until visit returns false.
template <class Visit>
void VisitTakeoutsOf(const CVikaChartItem* item, const CVikaAddressMap* map,
                     const TakeoutTable tables[3], Visit visit) {
  const int s = SectionOf(item->m_dwState);
  if (s < 0)
    return;
  const int electrodes[4] = {item->m_nA, item->m_nB, item->m_nM, item->m_nN};
  for (int e : electrodes) {
    Takeout where;
    if (!TakeoutOf(map, e, where))
      continue;
    auto found = tables[s].find(where);
    if (found == tables[s].end())
      continue;
    if (!visit(found->second))
      return;
  }
}

}  // namespace

BOOL CVikaChartModel::GetDefaultSortSpec(int arrayCode, SortSpec& spec) {
  const DWORD depthDown = SortSpec::kDepth | SortSpec::kDescending;
  switch (arrayCode) {
    case 1: case 2: case 3:
      spec = {3, {SortSpec::kSection, depthDown, SortSpec::kC1}};
      return TRUE;
    case 4: case 5: case 6: case 13: case 14:
      spec = {3, {SortSpec::kSection, SortSpec::kC1, depthDown}};
      return TRUE;
    case 7: case 8: case 9: case 11: case 12:
      spec = {1, {SortSpec::kSection, 0, 0}};
      return TRUE;
    case 10:
      spec = {3, {SortSpec::kSection, depthDown, SortSpec::kMidpoint}};
      return TRUE;
  }
  return FALSE;
}

void CVikaChartModel::Sort(const SortSpec* spec) {
  SortSpec defaults;
  if (spec == NULL) {
    if (!m_layout || !GetDefaultSortSpec(m_layout->GetCode(), defaults))
      return;
    spec = &defaults;
  }
  const int n = m_items.GetSize();
  if (n < 2 || spec->nCount <= 0)
    return;
  WaitCursorScope wait;
  // The classic in-place heap sort on a[1..n]. It is not stable, and the
  // order it leaves equal items in decides the line order of the written
  // files, so it is kept exactly.
  CVikaChartItem** data = m_items.GetData();
  auto a = [data](int i) -> CVikaChartItem*& { return data[i - 1]; };
  auto below = [spec](const CVikaChartItem* x, const CVikaChartItem* y) {
    return x->Compare(y, spec) < 0;
  };
  int l = n / 2 + 1;
  int r = n;
  for (;;) {
    CVikaChartItem* t;
    if (l > 1) {
      t = a(--l);
    } else {
      t = a(r);
      a(r) = a(1);
      if (--r == 1) {
        a(1) = t;
        return;
      }
    }
    int i = l;
    int j = l + l;
    while (j <= r) {
      if (j < r && below(a(j), a(j + 1)))
        ++j;
      if (below(t, a(j))) {
        a(i) = a(j);
        i = j;
        j += j;
      } else {
        j = r + 1;
      }
    }
    a(i) = t;
  }
}

void CVikaChartModel::Renumber(BOOL bEnabledFirst) {
  WaitCursorScope wait;
  int counters[3] = {0, 0, 0};
  auto number = [&](bool enabledOnly, bool disabledOnly) {
    for (int i = 0; i < m_items.GetSize(); ++i) {
      CVikaChartItem* item = m_items[i];
      if (enabledOnly && !item->IsEnabled())
        continue;
      if (disabledOnly && item->IsEnabled())
        continue;
      const int s = SectionOf(item->m_dwState);
      if (s >= 0)
        item->m_nLine = ++counters[s];
    }
  };
  if (bEnabledFirst) {
    number(true, false);
    number(false, true);
  } else {
    number(false, false);
  }
}

void CVikaChartModel::Optimize() {
  WaitCursorScope wait;
  std::vector<CVikaChartItem*> output;
  output.reserve(m_items.GetSize());
  for (DWORD section : kSections) {
    std::vector<CVikaChartItem*> pool;
    for (int i = 0; i < m_items.GetSize(); ++i) {
      if (SectionOf(m_items[i]->m_dwState) == SectionOf(section))
        pool.push_back(m_items[i]);
    }
    if (pool.empty())
      continue;
    // The pool as a list in array order, so that taking an item out of its
    // middle costs nothing.
    const int size = static_cast<int>(pool.size());
    std::vector<int> next(size), prev(size);
    for (int i = 0; i < size; ++i) {
      next[i] = i + 1;
      prev[i] = i - 1;
    }
    int head = 0;
    auto take = [&](int i) {
      if (prev[i] >= 0)
        next[prev[i]] = next[i];
      else
        head = next[i];
      if (next[i] < size)
        prev[next[i]] = prev[i];
      output.push_back(pool[i]);
    };
    int current = head;
    take(current);
    while (head < size) {
      int chosen = -1;
      const CVikaChartItem* now = pool[current];
      for (int i = head; i < size && pool[i]->GetDepth() == now->GetDepth();
           i = next[i]) {
        if (pool[i]->m_nA == now->m_nB) {
          chosen = i;
          break;
        }
      }
      if (chosen < 0)
        chosen = head;
      take(chosen);
      current = chosen;
    }
  }
  // Items without a section bit keep their place at the end.
  for (int i = 0; i < m_items.GetSize(); ++i) {
    if (SectionOf(m_items[i]->m_dwState) < 0)
      output.push_back(m_items[i]);
  }
  for (int i = 0; i < m_items.GetSize(); ++i)
    m_items[i] = output[i];
  Renumber(TRUE);
}

int CVikaChartModel::Validate() {
  WaitCursorScope wait;
  const int n = m_items.GetSize();
  ProgressScope progress("Validating...", 0, n - 1);
  for (int i = 0; i < n; ++i)
    m_items[i]->ClearDuplicates();
  int pairs = 0;
  if (m_bPlainScan) {
    for (int i = 0; i + 1 < n; ++i) {
      progress.Step();
      for (int j = i + 1; j < n; ++j) {
        if (m_items[i]->IsSamePlace(m_items[j])) {
          ++pairs;
          m_items[i]->AddDuplicate(m_items[j]);
          m_items[j]->AddDuplicate(m_items[i]);
        }
      }
    }
    return pairs;
  }
  ChartPlaceIndex index;
  for (int i = 0; i < n; ++i)
    index.Insert(i, m_items[i]->GetX(), m_items[i]->GetDepth());
  std::vector<int> candidates;
  for (int i = 0; i + 1 < n; ++i) {
    progress.Step();
    candidates.clear();
    index.Candidates(m_items[i]->GetX(), m_items[i]->GetDepth(), candidates);
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()),
                     candidates.end());
    for (int j : candidates) {
      if (j <= i || !m_items[i]->IsSamePlace(m_items[j]))
        continue;
      ++pairs;
      m_items[i]->AddDuplicate(m_items[j]);
      m_items[j]->AddDuplicate(m_items[i]);
    }
  }
  return pairs;
}

int CVikaChartModel::CountItemsWithDuplicates() const {
  int count = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    if (m_items[i]->GetDuplicates())
      ++count;
  }
  return count;
}

void CVikaChartModel::RemoveDuplicates() {
  const SortSpec spec = {
      2, {SortSpec::kSection, SortSpec::kSpacing | SortSpec::kDescending, 0}};
  const int total = CountItemsWithDuplicates();
  ProgressScope progress("Removing duplicates:", 0, total);

  // Deleted items leave a hole that is closed at the end, so finding an
  // item in the array costs a lookup, not a scan; the number of items that
  // still have duplicates is kept as links go, not counted again.
  std::vector<CVikaChartItem*> items(m_items.GetData(),
                                     m_items.GetData() + m_items.GetSize());
  std::map<const CVikaChartItem*, size_t> position;
  for (size_t i = 0; i < items.size(); ++i)
    position[items[i]] = i;
  int remaining = total;
  std::vector<CVikaChartItem*> partners;
  auto erase = [&](CVikaChartItem* item) {
    partners.clear();
    if (const CVikaChartItemArray* links = item->GetDuplicates()) {
      partners.assign(links->GetData(), links->GetData() + links->GetSize());
      std::sort(partners.begin(), partners.end());
      partners.erase(std::unique(partners.begin(), partners.end()),
                     partners.end());
      --remaining;
    }
    items[position[item]] = NULL;
    position.erase(item);
    delete item;
    for (const CVikaChartItem* partner : partners) {
      if (partner->GetDuplicates() == NULL)
        --remaining;
    }
  };

  // Links only ever go away here, so no item before the first one with
  // duplicates gains any: the search for it can go on from there.
  size_t first = 0;
  for (;;) {
    while (first < items.size() &&
           (items[first] == NULL || items[first]->GetDuplicates() == NULL))
      ++first;
    if (first >= items.size())
      break;
    progress.SetPos(total - remaining);
    CVikaChartItem* current = items[first];
    while (current->GetDuplicates()) {
      CVikaChartItem* other = current->GetDuplicates()->GetAt(0);
      // A measurement the protocol holds never gives way to one it lacks.
      bool otherGoes;
      if (current->IsEnabled() != other->IsEnabled())
        otherGoes = current->IsEnabled() != FALSE;
      else
        otherGoes = current->Compare(other, &spec) < 0;
      if (otherGoes) {
        erase(other);
      } else {
        erase(current);
        break;
      }
    }
  }

  int kept = 0;
  for (CVikaChartItem* item : items) {
    if (item)
      m_items[kept++] = item;
  }
  m_items.SetSize(kept);
  UpdateCounts();
}

void CVikaChartModel::ScanProtocolData() {
  WaitCursorScope wait;
  ProgressScope progress("Scanning protocol data:", 0, m_items.GetSize());
  for (int i = 0; i < m_takeouts.GetSize(); ++i)
    m_takeouts[i]->SetEnabled(0);
  TakeoutTable tables[3];
  BuildTakeoutTables(m_takeouts, tables);
  for (int i = 0; i < m_items.GetSize(); ++i) {
    progress.Step();
    VisitTakeoutsOf(m_items[i], m_addressMap.get(), tables,
                    [](const std::vector<CVikaCableItem*>& takeouts) {
                      for (CVikaCableItem* takeout : takeouts)
                        takeout->SetEnabled(1);
                      return true;
                    });
  }
}

void CVikaChartModel::ApplyTakeoutStates() {
  WaitCursorScope wait;
  TakeoutTable tables[3];
  BuildTakeoutTables(m_takeouts, tables);
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CVikaChartItem* item = m_items[i];
    VisitTakeoutsOf(item, m_addressMap.get(), tables,
                    [item](const std::vector<CVikaCableItem*>& takeouts) {
                      bool disabled = false;
                      for (const CVikaCableItem* takeout : takeouts)
                        disabled = disabled || !takeout->IsEnabled();
                      if (disabled)
                        item->SetEnabled(FALSE);
                      return !disabled;
                    });
  }
}

int CVikaChartModel::FindSamePlace(const CVikaChartItem* item,
                                   int start) const {
  if (m_search)
    return m_search->Find(item, start);
  const int size = m_items.GetSize();
  if (size == 0)
    return -1;
  if (start >= size)
    start = 0;
  int i = start;
  do {
    const CVikaChartItem* other = m_items[i];
    if (*other == *item || other->IsSamePlace(item))
      return i;
    i = (i + 1) % size;
  } while (i != start);
  return -1;
}

void CVikaChartModel::GenerateProtocol(const CString& path) {
  // Only a path with a folder and a file name is a protocol's.
  if (FolderPart(path).IsEmpty() || FileNamePart(path).IsEmpty())
    return;
  if (!m_layout || !m_addressMap)
    return;

  // Every electrode of a generated command has an entry: a count that the
  // address file claims beyond its highest entry would only make the
  // generator walk over nothing, for as long as the count is large.
  CVikaAddressMap map(*m_addressMap);
  const std::map<int, MapItem>& entries = map.GetEntries();
  const UINT highest = entries.empty() || entries.rbegin()->first < 1
                           ? 0
                           : static_cast<UINT>(entries.rbegin()->first);
  map.m_nElectrodes = std::min(map.m_nElectrodes, highest);
  if (map.m_nElectrodes < 1)
    return;
  const int n = static_cast<int>(map.m_nElectrodes);
  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(std::min(1, n - 1), std::max(n - 1, 1));
  const int code = m_layout->GetCode();
  int levelLow = 1, levelHigh = 1;
  if (code == ArrayDipoleDipole) {
    levelLow = std::min(1, n - 3);
    levelHigh = std::max(n - 3, 1);
  } else if (code == ArrayPoleDipole) {
    levelLow = std::min(1, n - 2);
    levelHigh = std::max(n - 2, 1);
  } else if (code == ArraySchlumberger) {
    const int m = (n - 1) / 2;
    levelLow = std::min(1, m);
    levelHigh = std::max(m, 1);
  }
  generator.SetLevelRange(levelLow, levelHigh);
  generator.SetArrayCode(code);
  // One channel: a merged command can carry an empty pair, which would
  // make an item of no measurement far off the chart.
  generator.SetReverse(m_properties.m_bReciprocalLayout ? TRUE : FALSE);

  if (!m_bPlainScan)
    m_search = std::make_unique<ChartSamePlaceSearch>(m_items);
  // The search must not outlive this call, however it ends.
  struct ResetSearch {
    std::unique_ptr<ChartSamePlaceSearch>& search;
    ~ResetSearch() { search.reset(); }
  } resetSearch{m_search};
  CVikaCommandArray commands;
  for (int s = 0; s < 3; ++s) {
    GetHostServices().StepProgress();
    m_total[s] = m_enabled[s];
    const int made =
        generator.Generate(commands, map, NULL, *m_layout, s);
    int start = 0;
    for (int c = 0; c < made && c < commands.GetSize(); ++c) {
      const CVikaCommand& command = commands[c];
      if (!command.m_bValid)
        break;
      const int channels = std::min(std::max(command.m_nChannels, 1), 4);
      for (int k = 0; k < channels; ++k) {
        const ChartItemSource source = {command.m_nC1, command.m_nC2,
                                        command.m_nP1[k], command.m_nP2[k],
                                        k + 1, m_total[s] + 1};
        auto item = std::make_unique<CVikaChartItem>(
            m_layout.get(), m_addressMap.get(), source, kSections[s],
            m_properties.m_dGridX, m_properties.m_dGridY);
        if (!item->m_bPlaced)
          continue;
        const int found = FindSamePlace(item.get(), start);
        if (found >= 0) {
          start = found;
          continue;
        }
        IncludeRect(item->m_rcBox);
        AddGrowing(m_items, item.get());
        item.release();
        if (m_search)
          m_search->Add(m_items.GetSize() - 1);
        ++m_total[s];
      }
    }
  }
}
