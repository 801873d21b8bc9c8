// The address map reader, then a protocol generated over the map, which
// must stay within the map's electrodes.
#include "framework/Portable.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

#include <cstdlib>
#include <memory>

#include "design/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile(data, size, ".ADR");
  const CVikaAddressMap map(path.c_str());
  int minCable, maxCable, minTakeout, maxTakeout;
  map.GetRanges(minCable, maxCable, minTakeout, maxTakeout);
  if (map.m_nElectrodes < 1 || map.GetCount() > 400)
    return 0;

  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(1, 3);
  generator.SetLevelRange(1, 3);
  generator.SetChannels(2);
  const int code = size > 0 ? data[0] % 16 : ArrayDipoleDipole;
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(code);
  CVikaCommandArray out;
  for (int section = 0; section < 3; ++section) {
    const int count = generator.Generate(out, map, nullptr, *layout, section);
    for (int i = 0; i < count; ++i) {
      const CVikaCommand& command = out[i];
      for (int e : {command.m_nC1, command.m_nC2, command.m_nP1[0],
                    command.m_nP2[0]})
        if (e > static_cast<long long>(map.m_nElectrodes))
          std::abort();
    }
  }
  return 0;
}
