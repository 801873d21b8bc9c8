// The protocol data-line reader and the algorithms over what it reads:
// byte 0 picks the array type, the rest are the lines of a ".UP" file.
#include "framework/Portable.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/VikaChartModel.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

namespace {

std::unique_ptr<CVikaAddressMap> SmallMap() {
  auto map = std::make_unique<CVikaAddressMap>();
  map->m_nCables = 2;
  map->m_nTakeouts = 8;
  map->m_nFactor = 2;
  map->m_nXMove = 4;
  map->m_nElectrodes = 16;
  map->m_strFileName = "FUZZ.ADR";
  for (int e = 1; e <= 16; ++e) {
    MapItem item;
    item.nAddress = e;
    item.nCable = (e - 1) / 8 + 1;
    item.nTakeout = (e - 1) % 8 + 1;
    map->SetAt(e, item);
  }
  return map;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 4096)
    return 0;
  std::vector<CString> lines;
  std::string current;
  for (size_t i = 1; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      lines.push_back(CString(current.c_str()));
      current.clear();
    } else if (c != '\0') {
      current += c;
    }
  }
  lines.push_back(CString(current.c_str()));

  CVikaChartModel model;
  model.Attach(CreateElectrodeLayout(data[0] % 16), SmallMap());
  size_t next = 0;
  const CVikaChartModel::LineSource source = [&](CString& line) {
    if (next >= lines.size())
      return false;
    line = lines[next++];
    return true;
  };
  model.ReadProtocolFile(source, kSectionUp, "");
  model.FormatProtocolFile(kSectionUp);
  model.Validate();
  model.RemoveDuplicates();
  model.Sort();
  model.Optimize();
  model.ScanProtocolData();
  model.ApplyTakeoutStates();
  model.RecalcExtents();
  return 0;
}
