#include "framework/Portable.h"
#include "design/VikaAddressMap.h"

#include <climits>
#include <string>
#include <vector>

#include "framework/PathNames.h"
#include "design/TextLines.h"

CVikaAddressMap::CVikaAddressMap() = default;

CVikaAddressMap::CVikaAddressMap(const CString& path) : CVikaAddressMap() {
  Read(path);
}

CVikaAddressMap::~CVikaAddressMap() = default;

CString AddressFilePath(const CString& path) {
  CString result = path;
  if (!designtext::EndsWithNoCase(static_cast<LPCTSTR>(path), ".ADR"))
    result += ".ADR";
  return result;
}

void CVikaAddressMap::Read(const CString& path) {
  const CString filePath = AddressFilePath(path);
  m_strFileName = FileNamePart(filePath);
  m_strFileName.MakeUpper();

  std::vector<std::string> lines;
  if (!designtext::ReadLines(static_cast<LPCTSTR>(filePath), lines))
    return;
  // The map takes what reads: a missing header field stays 0, and a row
  // that is no entry is skipped.
  for (int line = 1; line <= AddressHeader::Lines; ++line) {
    if (static_cast<size_t>(line) <= lines.size())
      ReadLine(line, lines[line - 1]);
  }
  for (size_t i = AddressHeader::Lines; i < lines.size(); ++i) {
    AddressRow row;
    if (!ReadAddressRow(lines[i], row) || !row.Within(INT_MIN, INT_MAX))
      continue;
    if (row.address < 1)
      continue;  // an unconnected placeholder
    MapItem item;
    item.nAddress = static_cast<int>(row.address);
    item.nCable = static_cast<int>(row.cable);
    item.nTakeout = static_cast<int>(row.takeout);
    SetAt(static_cast<int>(row.electrode), item);
  }
}

BOOL CVikaAddressMap::Lookup(int electrode, MapItem& item) const {
  const MapItem* found = Find(electrode);
  if (!found)
    return FALSE;
  item = *found;
  return TRUE;
}

BOOL CVikaAddressMap::HasAddress(int electrode) const {
  const MapItem* found = Find(electrode);
  return found && found->nAddress != 0;
}

const MapItem* CVikaAddressMap::Find(int electrode) const {
  if (electrode >= 0 && electrode < kDenseLimit) {
    if (electrode >= static_cast<int>(m_dense.size()))
      return nullptr;
    const DenseEntry& entry = m_dense[electrode];
    return entry.present ? &entry.item : nullptr;
  }
  auto it = m_entries.find(electrode);
  return it == m_entries.end() ? nullptr : &it->second;
}

void CVikaAddressMap::GetRanges(int& minCable, int& maxCable, int& minTakeout,
                                int& maxTakeout) const {
  minCable = minTakeout = INT_MAX;
  maxCable = maxTakeout = INT_MIN;
  for (const auto& [electrode, item] : m_entries) {
    if (item.nCable < minCable) minCable = item.nCable;
    if (item.nCable > maxCable) maxCable = item.nCable;
    if (item.nTakeout < minTakeout) minTakeout = item.nTakeout;
    if (item.nTakeout > maxTakeout) maxTakeout = item.nTakeout;
  }
}

void CVikaAddressMap::SetAt(int electrode, const MapItem& item) {
  m_entries[electrode] = item;
  if (electrode < 0 || electrode >= kDenseLimit)
    return;
  if (electrode >= static_cast<int>(m_dense.size()))
    m_dense.resize(electrode + 1);
  m_dense[electrode] = DenseEntry{true, item};
}

