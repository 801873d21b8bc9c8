// Generates dipole-dipole and Schlumberger protocols over every spacing and
// level for layouts of 64, 128 and 256 electrodes, and prints how long each
// takes and how many commands it gives.
#include "framework/Framework.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

namespace {

// Cables of 32 takeouts; a roll-along moves one cable.
CVikaAddressMap MakeLayout(int electrodes) {
  const int takeouts = 32;
  CVikaAddressMap map;
  map.m_nCables = electrodes / takeouts;
  map.m_nTakeouts = takeouts;
  map.m_nFactor = 1;
  map.m_nXMove = takeouts;
  map.m_nElectrodes = electrodes;
  for (int e = 1; e <= electrodes; ++e) {
    MapItem item;
    item.nAddress = (e - 1) % 64 + 1;
    item.nCable = (e - 1) / takeouts + 1;
    item.nTakeout = (e - 1) % takeouts + 1;
    map.SetAt(e, item);
  }
  return map;
}

}  // namespace

int main() {
  std::printf("%-14s %10s %8s %10s %10s\n", "array", "electrodes", "section",
              "commands", "ms");
  for (int code : {ArrayDipoleDipole, ArraySchlumberger}) {
    for (int electrodes : {64, 128, 256}) {
      const CVikaAddressMap map = MakeLayout(electrodes);
      std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(code);
      CVikaProtocolGenerator generator;
      generator.SetArrayCode(code);
      // Every spacing and level that can fit on the layout.
      generator.SetSpacingRange(1, electrodes);
      generator.SetLevelRange(1, electrodes);
      for (int section = 0; section < 3; ++section) {
        CVikaCommandArray out;
        const auto start = std::chrono::steady_clock::now();
        const int count = generator.Generate(out, map, nullptr, *layout, section);
        const auto stop = std::chrono::steady_clock::now();
        const double ms =
            std::chrono::duration<double, std::milli>(stop - start).count();
        static const char* const kSections[] = {"ORG", "UP", "DWN"};
        std::printf("%-14s %10d %8s %10d %10.1f\n",
                    static_cast<LPCTSTR>(ArrayTypeName(code)), electrodes,
                    kSections[section], count, ms);
      }
    }
  }
  return 0;
}
