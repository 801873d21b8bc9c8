#include "framework/Framework.h"
#include "design/VikaProtocolGenerator.h"
#include "framework/HostServices.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolFile.h"
#include "design/VikaProtocolSkipList.h"

namespace {

const char* const kExtensions[] = {".ORG", ".UP", ".DWN"};

long long Span(int lo, int hi) {
  return static_cast<long long>(hi) - lo + 1;
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
  // Collected apart and copied once: growing the array by its fixed step
  // for every hundred commands is quadratic on large layouts.
  std::vector<CVikaCommand> commands;
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
  // Every pattern's start electrode has to have an entry, so only the
  // electrodes of the map are tried as x (in ascending order).
  std::vector<int> starts;
  for (const auto& entry : map.GetEntries())
    if (entry.first >= 1 && entry.first <= electrodes)
      starts.push_back(entry.first);

  long long pass = 0;
  CString text;
  for (int a = maxA; a >= minA; --a) {
    for (int n = maxN; n >= minN; --n, ++pass) {
      for (int x : starts) {
        CVikaCommand command = layout.MakeCommand(map, x, n, a, m_bReverse);
        if (!command.m_bValid)
          continue;
        if (m_pSkipList && m_pSkipList->Find(a, n))
          continue;
        const bool rollsOut =
            section == SectionOrg ||
            IsOutsideAfterShift(command, map, section == SectionUp ? +1 : -1);
        if (rollsOut && !IsCoveredByRedundancy(command, map, redundancy)) {
          commands.push_back(command);
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
  out.SetSize(0, 100);
  out.SetSize(std::max(kept, 200), 100);
  for (int i = 0; i < kept; ++i)
    out[i] = commands[i];

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
  // Absent electrodes (<= 0) stay absent and are not tested.
  auto outside = [&](int electrode) {
    if (electrode <= 0)
      return false;
    const long long shifted = electrode + move;
    if (shifted < INT_MIN || shifted > INT_MAX)
      return true;
    return !map.HasAddress(static_cast<int>(shifted));
  };
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

int CVikaProtocolGenerator::MergeChannels(CVikaCommandArray& commands) const {
  const int channels = std::min<int>(m_nChannels, CVikaCommand::MaxChannels);
  if (channels < 2)
    return 0;

  // Commands with the same C1 and C2 form one group, in array order; the
  // groups come out in the order of their first command.
  const int size = static_cast<int>(commands.GetSize());
  int end = 0;
  while (end < size && commands[end].m_bValid)
    ++end;
  std::map<std::pair<int, int>, std::vector<int>> members;
  for (int i = 0; i < size; ++i) {
    const CVikaCommand& command = commands[i];
    if (command.m_bValid)
      members[{command.m_nC1, command.m_nC2}].push_back(i);
  }

  std::vector<CVikaCommand> result;
  for (int i = 0; i < end; ++i) {
    auto it = members.find({commands[i].m_nC1, commands[i].m_nC2});
    if (it == members.end() || it->second.front() != i)
      continue;  // merged with an earlier command
    std::vector<CVikaCommand> group;
    for (int index : it->second)
      group.push_back(commands[index]);
    members.erase(it);

    size_t next = 0;
    std::vector<bool> used(group.size(), false);
    auto takeFirstUnused = [&]() -> const CVikaCommand* {
      while (next < group.size() && used[next])
        ++next;
      if (next == group.size())
        return nullptr;
      used[next] = true;
      return &group[next];
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
        for (size_t g = next; g < group.size(); ++g) {
          if (used[g] || !group[g].m_bValid)
            continue;
          if (clashes(group[g].m_nP1[0]) || clashes(group[g].m_nP2[0]))
            continue;
          merged.m_nP1[k] = group[g].m_nP1[0];
          merged.m_nP2[k] = group[g].m_nP2[0];
          used[g] = true;
          break;
        }
      }
      merged.m_bValid = TRUE;
      if (m_bPoleMerge) {
        // Three pole-pole commands of one C1 become one four-electrode
        // command on a single selector.
        merged.m_nC2 = merged.m_nP1[0];
        merged.m_nP1[0] = merged.m_nP1[1];
        merged.m_nP2[0] = merged.m_nP1[2];
        for (int c = 1; c < CVikaCommand::MaxChannels; ++c)
          merged.m_nP1[c] = merged.m_nP2[c] = 0;
        merged.m_nChannels = 1;
      }
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
