#include "framework/Portable.h"
#include "design/VikaProtocolGenerator.h"
#include "framework/HostServices.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolFile.h"
#include "design/VikaProtocolSkipList.h"

namespace {

const char* const kExtensions[] = {".ORG", ".UP", ".DWN"};

// At most this many commands are set aside before generating (some 50 bytes
// each); a larger protocol grows by as many again.
const long long kMaxPresize = 1 << 18;

long long Span(int lo, int hi) {
  return static_cast<long long>(hi) - lo + 1;
}

// Whether an electrode leaves the map when the layout moves by `move`.
// Absent electrodes (<= 0) stay absent and do not count.
bool RollsOff(int electrode, const CVikaAddressMap& map, long long move) {
  if (electrode <= 0)
    return false;
  const long long shifted = electrode + move;
  if (shifted < INT_MIN || shifted > INT_MAX)
    return true;
  return !map.HasAddress(static_cast<int>(shifted));
}

// The starts worth trying for one spacing and level, in ascending order.
// A command's electrodes lie between x and x + reach, so a start is kept
// only when x + reach is on the layout and, when `rollOff` is given, when an
// electrode of its span lies in one of those runs of electrodes that roll
// off the map. Without a reach every start is tried.
using ElectrodeRuns = std::vector<std::pair<int, int>>;  // first, last

void CandidateStarts(const std::vector<int>& starts, long long reach,
                     long long electrodes, const ElectrodeRuns* rollOff,
                     std::vector<int>& out) {
  out.clear();
  if (reach < 0) {
    out = starts;
    return;
  }
  const long long last = electrodes - reach;
  auto addRange = [&](long long lo, long long hi) {
    hi = std::min(hi, last);
    if (lo > hi)
      return;
    auto it = std::lower_bound(starts.begin(), starts.end(), lo);
    for (; it != starts.end() && *it <= hi; ++it)
      if (out.empty() || *it > out.back())
        out.push_back(*it);
  };
  if (!rollOff) {
    addRange(LLONG_MIN, last);
    return;
  }
  for (const auto& [runFirst, runLast] : *rollOff)
    addRange(runFirst - reach, runLast);
}

// The electrodes (ascending) as runs of consecutive numbers.
ElectrodeRuns RunsOf(const std::vector<int>& electrodes) {
  ElectrodeRuns runs;
  for (int e : electrodes) {
    if (!runs.empty() && static_cast<long long>(runs.back().second) + 1 == e)
      runs.back().second = e;
    else
      runs.emplace_back(e, e);
  }
  return runs;
}

// The highest level in [minN, maxN] whose command for spacing a fits on the
// layout, or minN - 1 when none does. Reaches never fall as n grows, so a
// binary search finds it and the levels above it are never visited: walking
// every (a, n) pair costs the square of the electrode count.
int HighestFittingLevel(const ElectrodeLayout& layout, int a, int minN,
                        int maxN, long long electrodes) {
  auto fits = [&](int n) {
    const long long reach = layout.GetReach(n, a);
    return reach < electrodes;
  };
  if (!fits(minN))
    return minN - 1;
  int lo = minN, hi = maxN;  // fits(lo) holds
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    if (fits(mid))
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

}  // namespace

CVikaProtocolGenerator::CVikaProtocolGenerator()
    : m_pSkipList(nullptr),
      m_nMinSpacing(1),
      m_nMaxSpacing(20),
      m_nMinLevel(1),
      m_nMaxLevel(10),
      m_nArrayCode(-1),
      m_nChannels(1),
      m_bPoleMerge(FALSE),
      m_bReverse(FALSE),
      m_bSilent(TRUE),
      m_bWriteFiles(FALSE) {}

CVikaProtocolGenerator::~CVikaProtocolGenerator() = default;

void CVikaProtocolGenerator::SetSpacingRange(int lo, int hi) {
  m_nMinSpacing = std::min(lo, hi);
  m_nMaxSpacing = std::max(lo, hi);
}

void CVikaProtocolGenerator::SetLevelRange(int lo, int hi) {
  m_nMinLevel = std::min(lo, hi);
  m_nMaxLevel = std::max(lo, hi);
}

int CVikaProtocolGenerator::Generate(CVikaCommandArray& out,
                                     const CVikaAddressMap& map,
                                     const CVikaAddressMap* redundancy,
                                     ElectrodeLayout& layout, int section) {
  WaitCursorScope wait;
  if (map.m_nElectrodes < 1) {
    GetHostServices().ReportError("Address file is invalid.", HostIcon::Stop);
    return 0;
  }
  out.RemoveAll();
  switch (section) {
    case SectionOrg: return GenerateOrg(out, layout, map, redundancy);
    case SectionUp: return GenerateUp(out, layout, map, redundancy);
    case SectionDown: return GenerateDown(out, layout, map, redundancy);
    default: return 0;
  }
}

int CVikaProtocolGenerator::GenerateOrg(CVikaCommandArray& out,
                                        ElectrodeLayout& layout,
                                        const CVikaAddressMap& map,
                                        const CVikaAddressMap* redundancy) {
  return RunSection(out, layout, map, redundancy, SectionOrg);
}

int CVikaProtocolGenerator::GenerateUp(CVikaCommandArray& out,
                                       ElectrodeLayout& layout,
                                       const CVikaAddressMap& map,
                                       const CVikaAddressMap* redundancy) {
  return RunSection(out, layout, map, redundancy, SectionUp);
}

int CVikaProtocolGenerator::GenerateDown(CVikaCommandArray& out,
                                         ElectrodeLayout& layout,
                                         const CVikaAddressMap& map,
                                         const CVikaAddressMap* redundancy) {
  return RunSection(out, layout, map, redundancy, SectionDown);
}

int CVikaProtocolGenerator::RunSection(CVikaCommandArray& out,
                                       ElectrodeLayout& layout,
                                       const CVikaAddressMap& map,
                                       const CVikaAddressMap* redundancy,
                                       int section) {
  const CString extension = kExtensions[section];
  out.RemoveAll();
  int kept = 0;

  // Spacing and level are at least 1; types whose commands ignore the
  // level are made once, with n = 1. No command spans more than the
  // electrode count, so neither a nor n needs to pass it.
  const long long electrodes = map.m_nElectrodes;
  const int limit = static_cast<int>(std::min<long long>(electrodes, INT_MAX));
  const int minA = std::max(m_nMinSpacing, 1);
  const int maxA = std::min(m_nMaxSpacing, limit);
  const bool usesLevel = layout.UsesLevel() != FALSE;
  const int minN = usesLevel ? std::max(m_nMinLevel, 1) : 1;
  const int maxN = usesLevel ? std::min(m_nMaxLevel, limit) : 1;

  const double range = static_cast<double>(electrodes) *
                       std::max(Span(minN, maxN), 0LL) *
                       std::max(Span(minA, maxA), 0LL);
  // The progress window closes however the section run ends.
  std::optional<ProgressScope> progress;
  if (!m_bSilent)
    progress.emplace(nullptr, 0,
                     static_cast<int>(std::min<double>(range, INT_MAX)), 10);
  // Every pattern's electrodes have to have entries, so only the
  // electrodes of the map are tried as x (in ascending order), and only
  // those that roll off can make a .UP or .DWN command keep.
  const long long move = static_cast<long long>(map.m_nXMove) *
                         (section == SectionUp ? +1 : -1);
  std::vector<int> starts, rollOff;
  for (const auto& entry : map.GetEntries()) {
    if (entry.first < 1 || entry.first > electrodes)
      continue;
    starts.push_back(entry.first);
    if (RollsOff(entry.first, map, move))
      rollOff.push_back(entry.first);
  }

  // The kept commands go straight into the array, sized once from the
  // starts that will be tried: growing it as commands come moves every
  // command several times and touches fresh memory each time.
  std::vector<int> candidates;
  const bool rollOffOnly = section != SectionOrg;
  const ElectrodeRuns rollOffRuns = RunsOf(rollOff);
  long long bound = 0;
  for (int a = maxA; a >= minA; --a) {
    const int topN = HighestFittingLevel(layout, a, minN, maxN, electrodes);
    for (int n = topN; n >= minN; --n) {
      const long long reach = layout.GetReach(n, a);
      CandidateStarts(starts, reach, electrodes,
                      rollOffOnly ? &rollOffRuns : nullptr, candidates);
      bound += static_cast<long long>(candidates.size());
    }
  }
  out.SetSize(0, static_cast<int>(std::clamp<long long>(bound, 100,
                                                        kMaxPresize)));

  long long pass = 0;
  CString text;
  for (int a = maxA; a >= minA; --a) {
    const int topN = HighestFittingLevel(layout, a, minN, maxN, electrodes);
    pass += maxN - std::max(topN, minN - 1);  // levels with no room
    for (int n = topN; n >= minN; --n, ++pass) {
      const long long reach = layout.GetReach(n, a);
      CandidateStarts(starts, reach, electrodes,
                      rollOffOnly ? &rollOffRuns : nullptr, candidates);
      if (m_cancel && m_cancel())
        return Cancelled;
      for (int x : candidates) {
        CVikaCommand command = layout.MakeCommand(map, x, n, a, m_bReverse);
        if (!command.m_bValid)
          continue;
        if (m_pSkipList && m_pSkipList->Find(a, n))
          continue;
        const bool rollsOut =
            section == SectionOrg ||
            IsOutsideAfterShift(command, map, section == SectionUp ? +1 : -1);
        if (rollsOut && !IsCoveredByRedundancy(command, map, redundancy)) {
          out.Add(command);
          ++kept;
        }
        if (!m_bSilent) {
          const long long tried = pass * electrodes + x;
          text.Format("Creating %s%s command #%-5u",
                      static_cast<LPCTSTR>(m_strName),
                      static_cast<LPCTSTR>(extension),
                      static_cast<unsigned>(kept));
          progress->SetPos(static_cast<int>(std::min<long long>(tried, INT_MAX)));
          progress->SetText(text);
        }
      }
    }
  }

  // The kept commands, then not-valid ones up to at least 200.
  out.SetSize(std::max(kept, 200), 100);

  const int merged = MergeChannels(out);
  if (merged > 0)
    kept = merged;
  if (m_bWriteFiles && !WriteProtocolFile(out, extension, kept < 1))
    return WriteFailed;
  return kept;
}

BOOL CVikaProtocolGenerator::IsOutsideAfterShift(const CVikaCommand& command,
                                                 const CVikaAddressMap& map,
                                                 int direction) const {
  if (direction != 1 && direction != -1)
    return FALSE;
  const long long move = static_cast<long long>(map.m_nXMove) * direction;
  auto outside = [&](int electrode) { return RollsOff(electrode, map, move); };
  if (outside(command.m_nC1) || outside(command.m_nC2))
    return TRUE;
  const int channels =
      std::min<int>(command.m_nChannels, CVikaCommand::MaxChannels);
  for (int k = 0; k < channels; ++k)
    if (outside(command.m_nP1[k]) || outside(command.m_nP2[k]))
      return TRUE;
  return FALSE;
}

BOOL CVikaProtocolGenerator::IsCoveredByRedundancy(
    const CVikaCommand& command, const CVikaAddressMap& map,
    const CVikaAddressMap* redundancy) const {
  if (!redundancy || redundancy->m_nElectrodes < 1)
    return FALSE;
  const long long shift =
      (static_cast<long long>(map.m_nCables) - redundancy->m_nCables) / 2;
  bool lookedUp = false;
  for (int electrode : {command.m_nC1, command.m_nC2, command.m_nP1[0],
                        command.m_nP2[0]}) {
    MapItem item;
    if (electrode <= 0 || !map.Lookup(electrode, item))
      continue;
    lookedUp = true;
    bool found = false;
    for (const auto& [other, entry] : redundancy->GetEntries()) {
      if (other < 1 || other > static_cast<long long>(redundancy->m_nElectrodes))
        continue;
      if (entry.nAddress != 0 && entry.nCable == item.nCable - shift &&
          entry.nTakeout == item.nTakeout) {
        found = true;
        break;
      }
    }
    if (!found)
      return FALSE;
  }
  return lookedUp;
}

namespace {

// The valid commands with the same C1 and C2, as indices in array order.
// Groups come in the order of their first command; a group whose first
// command stands after the first not-valid one is left out.
std::vector<std::vector<int>> GroupByCurrentPair(
    const CVikaCommandArray& commands) {
  const int size = static_cast<int>(commands.GetSize());
  int end = 0;
  while (end < size && commands[end].m_bValid)
    ++end;
  auto pair = [&](int i) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(
                commands[i].m_nC1))
            << 32) |
           static_cast<std::uint32_t>(commands[i].m_nC2);
  };
  std::unordered_map<std::uint64_t, std::vector<int>> members;
  members.reserve(static_cast<size_t>(end));
  for (int i = 0; i < size; ++i) {
    if (commands[i].m_bValid)
      members[pair(i)].push_back(i);
  }
  std::vector<std::vector<int>> groups;
  for (int i = 0; i < end; ++i) {
    auto it = members.find(pair(i));
    if (it == members.end() || it->second.front() != i)
      continue;  // merged with an earlier command
    groups.push_back(std::move(it->second));
    members.erase(it);
  }
  return groups;
}

// Joins the one-channel commands of one group into commands of up to
// channels channels: each takes the first command not used yet, then for
// every further channel the next one whose potentials clash with none
// already taken.
std::vector<CVikaCommand> MergeGroup(const std::vector<CVikaCommand>& group,
                                     int channels) {
  std::vector<CVikaCommand> result;
  // The commands not used yet, as a list in group order, so that each scan
  // passes over unused commands only (used ones made it quadratic).
  const size_t size = group.size();
  std::vector<size_t> after(size), before(size);
  for (size_t g = 0; g < size; ++g) {
    after[g] = g + 1;
    before[g] = g == 0 ? size : g - 1;
  }
  size_t head = size == 0 ? size : 0;
  auto use = [&](size_t g) {
    if (before[g] == size)
      head = after[g];
    else
      after[before[g]] = after[g];
    if (after[g] != size)
      before[after[g]] = before[g];
  };
  auto takeFirstUnused = [&]() -> const CVikaCommand* {
    if (head == size)
      return nullptr;
    const size_t first = head;
    use(first);
    return &group[first];
  };
  while (const CVikaCommand* first = takeFirstUnused()) {
    CVikaCommand merged(channels);
    merged.m_nC1 = first->m_nC1;
    merged.m_nC2 = first->m_nC2;
    merged.m_nP1[0] = first->m_nP1[0];
    merged.m_nP2[0] = first->m_nP2[0];
    for (int k = 1; k < channels; ++k) {
      auto clashes = [&](int electrode) {
        if (electrode <= 0)
          return false;
        for (int c = 0; c <= k; ++c)
          if (merged.m_nP1[c] == electrode || merged.m_nP2[c] == electrode)
            return true;
        return false;
      };
      for (size_t g = head; g != size; g = after[g]) {
        if (!group[g].m_bValid)
          continue;
        if (clashes(group[g].m_nP1[0]) || clashes(group[g].m_nP2[0]))
          continue;
        merged.m_nP1[k] = group[g].m_nP1[0];
        merged.m_nP2[k] = group[g].m_nP2[0];
        use(g);
        break;
      }
    }
    merged.m_bValid = TRUE;
    result.push_back(merged);
  }
  return result;
}

// Three pole-pole commands of one C1 become one four-electrode command on a
// single selector.
void ApplyPoleMerge(CVikaCommand& merged) {
  merged.m_nC2 = merged.m_nP1[0];
  merged.m_nP1[0] = merged.m_nP1[1];
  merged.m_nP2[0] = merged.m_nP1[2];
  for (int c = 1; c < CVikaCommand::MaxChannels; ++c)
    merged.m_nP1[c] = merged.m_nP2[c] = 0;
  merged.m_nChannels = 1;
}

}  // namespace

int CVikaProtocolGenerator::MergeChannels(CVikaCommandArray& commands) const {
  const int channels = std::min<int>(m_nChannels, CVikaCommand::MaxChannels);
  if (channels < 2)
    return 0;

  std::vector<CVikaCommand> result;
  for (const std::vector<int>& members : GroupByCurrentPair(commands)) {
    std::vector<CVikaCommand> group;
    for (int index : members)
      group.push_back(commands[index]);
    for (CVikaCommand& merged : MergeGroup(group, channels)) {
      if (m_bPoleMerge)
        ApplyPoleMerge(merged);
      result.push_back(merged);
    }
  }

  const int count = static_cast<int>(result.size());
  commands.RemoveAll();
  commands.SetSize(std::max(count, 100), 25);
  for (int i = 0; i < count; ++i)
    commands[i] = result[i];
  return count;
}

BOOL CVikaProtocolGenerator::WriteProtocolFile(const CVikaCommandArray& commands,
                                               const CString& extension,
                                               BOOL empty) const {
  CVikaProtocolFile file;
  file.m_nArrayCode = m_nArrayCode;
  file.m_strAddress = CVikaProtocolFile::AddressBaseName(m_strAddressPath);
  file.m_strGeometry = m_strGeometry;
  if (!empty)
    file.m_commands.Append(commands);
  if (!file.Write(m_strFolder + m_strName + extension, empty)) {
    GetHostServices().ReportError(
        "File Write Error!\n\nCould not open file. It may be read-only.",
        HostIcon::Stop);
    return FALSE;
  }
  return TRUE;
}
