// Opens dipole-dipole protocols on 32 to 256 electrodes (reading, adding
// the missing measurements, numbering, scanning the takeouts) and prints
// time and item counts per size; for the two smaller sizes the plain
// every-pair search runs beside the grid search.
#include "framework/Portable.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Writes a dipole-dipole protocol of every other measurement the generator
// makes, so that opening it both finds and adds measurements.
std::string WriteProtocol(int electrodes) {
  const std::string folder =
      charttest::FreshFolder("bench_" + std::to_string(electrodes));
  charttest::WriteFile(folder + "LINE.ADR",
                       charttest::AddressFileText(16, 1, 16, electrodes));
  std::unique_ptr<CVikaAddressMap> map(
      new CVikaAddressMap(CString((folder + "LINE.ADR").c_str())));
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(5);
  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(1, electrodes - 1);
  generator.SetLevelRange(1, electrodes - 3);
  const char* extensions[3] = {".ORG", ".UP", ".DWN"};
  for (int s = 0; s < 3; ++s) {
    CVikaCommandArray commands;
    const int made = generator.Generate(commands, *map, NULL, *layout, s);
    std::string text = "5\nLINE.ADR\t//Address File\n";
    for (int c = 0; c < made; c += 2) {
      const CVikaCommand& command = commands[c];
      text += std::to_string(command.m_nC1) + "\t" +
              std::to_string(command.m_nC2) + "\t" +
              std::to_string(command.m_nP1[0]) + "\t" +
              std::to_string(command.m_nP2[0]) + "\n";
    }
    charttest::WriteFile(folder + "DD" + extensions[s], text);
  }
  return folder + "DD.ORG";
}

void Open(const std::string& path, int electrodes, BOOL plain) {
  CVikaChartModel model;
  model.SetPlainScan(plain);
  const Clock::time_point start = Clock::now();
  if (!model.OpenProtocolFiles(path.c_str())) {
    std::printf("%5d  cannot open %s\n", electrodes, path.c_str());
    return;
  }
  const double open = Seconds(start);
  const Clock::time_point validateStart = Clock::now();
  const int pairs = model.Validate();
  const double validate = Seconds(validateStart);
  const int read = model.GetCount(0) + model.GetCount(1) + model.GetCount(2);
  std::printf("%5d  %-7s %8d %8d %8d %10.3f %10.3f %8d\n", electrodes,
              plain ? "plain" : "grid", model.GetItems().GetSize(), read,
              model.GetItems().GetSize() - read, open, validate, pairs);
  std::fflush(stdout);
}

}  // namespace

int main() {
  std::printf("electrodes search  items    read     added    open s  validate s  pairs\n");
  for (int electrodes : {32, 64, 128, 256}) {
    const std::string path = WriteProtocol(electrodes);
    if (electrodes <= 64)
      Open(path, electrodes, TRUE);
    Open(path, electrodes, FALSE);
  }
  return 0;
}
