#include "framework/Framework.h"
#include "design/VikaAddressMap.h"

#include <climits>
#include <string>
#include <vector>

#include "design/TextLines.h"

using designtext::Scanner;

CVikaAddressMap::CVikaAddressMap()
    : m_nCables(0),
      m_nTakeouts(0),
      m_nFactor(0),
      m_nXMove(0),
      m_nYMove(0),
      m_bYRoll(FALSE),
      m_nElectrodes(0) {}

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

static CString FileNamePart(const CString& path) {
  int slash = path.ReverseFind('\\');
  int other = path.ReverseFind('/');
  if (other > slash)
    slash = other;
  return path.Mid(slash + 1);
}

void CVikaAddressMap::Read(const CString& path) {
  const CString filePath = AddressFilePath(path);
  m_strFileName = FileNamePart(filePath);
  m_strFileName.MakeUpper();

  std::vector<std::string> lines;
  if (!designtext::ReadLines(static_cast<LPCTSTR>(filePath), lines))
    return;
  lines.resize(lines.size() < 3 ? 3 : lines.size());

  Scanner line1(lines[0]);
  unsigned value = 0;
  if (line1.Unsigned(value)) {
    m_nCables = value;
    if (line1.Unsigned(value))
      m_nTakeouts = value;
  }
  Scanner line2(lines[1]);
  if (line2.Unsigned(value)) {
    m_nFactor = value;
    if (line2.Unsigned(value)) {
      m_nXMove = value;
      if (line2.Unsigned(value))
        m_nYMove = value;
    }
  }
  if (m_nYMove > 0) {
    m_bYRoll = TRUE;
    m_nXMove = 0;
  }
  Scanner line3(lines[2]);
  if (line3.Unsigned(value))
    m_nElectrodes = value;

  for (size_t i = 3; i < lines.size(); ++i) {
    Scanner entry(lines[i]);
    int electrode = 0;
    MapItem item;
    if (!entry.Int(electrode) || !entry.Int(item.nAddress) ||
        !entry.Int(item.nCable) || !entry.Char('-') ||
        !entry.Int(item.nTakeout))
      continue;
    if (item.nAddress < 1)
      continue;  // an unconnected placeholder
    SetAt(electrode, item);
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

