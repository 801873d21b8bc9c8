// Generates dipole-dipole (one and four channels) and Schlumberger protocols
// over every spacing and level for layouts of 64, 128 and 256 electrodes, and
// prints how long each section takes and how many commands it gives.
#include "framework/Portable.h"

#include <algorithm>
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

// The best of at least five runs and of 200 ms of runs, in milliseconds,
// and the command count: the small layouts take a fraction of a millisecond,
// where five runs on a shared machine are mostly noise.
double TimeSection(int code, int channels, int electrodes, int section,
                   int& count) {
  const CVikaAddressMap map = MakeLayout(electrodes);
  std::unique_ptr<ElectrodeLayout> layout(CreateElectrodeLayout(code));
  CVikaProtocolGenerator generator;
  generator.SetArrayCode(code);
  generator.SetChannels(channels);
  // Every spacing and level that can fit on the layout.
  generator.SetSpacingRange(1, electrodes);
  generator.SetLevelRange(1, electrodes);
  double best = 1e300, spent = 0;
  for (int run = 0; run < 5 || spent < 200; ++run) {
    CVikaCommandArray out;
    const auto start = std::chrono::steady_clock::now();
    count = generator.Generate(out, map, nullptr, *layout, section);
    const auto stop = std::chrono::steady_clock::now();
    const double ms =
        std::chrono::duration<double, std::milli>(stop - start).count();
    best = std::min(best, ms);
    spent += ms;
  }
  return best;
}

}  // namespace

// Time per command should not grow with the layout: the last column is the
// time per command at 256 electrodes over that at 64.
int main() {
  std::printf("%-14s %3s %8s %10s %10s %10s %12s %8s\n", "array", "ch",
              "section", "electrodes", "commands", "ms", "us/command",
              "256/64");
  struct Config {
    int code, channels;
  } configs[] = {{ArrayDipoleDipole, 1}, {ArrayDipoleDipole, 4},
                 {ArraySchlumberger, 1}};
  static const char* const kSections[] = {"ORG", "UP", "DWN"};
  for (const Config& config : configs) {
    for (int section = 0; section < 3; ++section) {
      double perCommandAt64 = 0;
      for (int electrodes : {64, 128, 256}) {
        int count = 0;
        const double ms = TimeSection(config.code, config.channels, electrodes,
                                      section, count);
        const double perCommand = count > 0 ? ms * 1000.0 / count : 0;
        if (electrodes == 64)
          perCommandAt64 = perCommand;
        std::printf("%-14s %3d %8s %10d %10d %10.1f %12.3f",
                    static_cast<LPCTSTR>(ArrayTypeName(config.code)),
                    config.channels, kSections[section], electrodes, count, ms,
                    perCommand);
        if (electrodes == 256 && perCommandAt64 > 0)
          std::printf(" %8.2f", perCommand / perCommandAt64);
        std::printf("\n");
      }
    }
  }
  return 0;
}
