// Opens dipole-dipole protocols on 32 to 256 electrodes (reading, adding
// the missing measurements, numbering, scanning the takeouts) and prints
// time and item counts per size; up to 128 electrodes the plain every-pair
// search runs beside the grid search.
#include "framework/Portable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/ChartPartGrid.h"
#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"

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
  return charttest::WriteDipoleDipole(folder, electrodes - 1, electrodes - 3,
                                      2);
}

// Microseconds per item to open and validate, 0 when the protocol cannot be
// opened.
double Open(const std::string& path, int electrodes, BOOL plain) {
  CVikaChartModel model;
  model.SetPlainScan(plain);
  const Clock::time_point start = Clock::now();
  if (!model.OpenProtocolFiles(path.c_str())) {
    std::printf("%5d  cannot open %s\n", electrodes, path.c_str());
    return 0;
  }
  const double open = Seconds(start);
  const Clock::time_point validateStart = Clock::now();
  const int pairs = model.Validate();
  const double validate = Seconds(validateStart);
  const int read = model.GetCount(0) + model.GetCount(1) + model.GetCount(2);
  const int items = model.GetItems().GetSize();
  std::printf("%5d  %-7s %8d %8d %8d %10.3f %10.3f %8d %10.2f\n", electrodes,
              plain ? "plain" : "grid", items, read, items - read, open,
              validate, pairs, (open + validate) * 1e6 / items);
  std::fflush(stdout);
  return (open + validate) * 1e6 / items;
}

// What the chart view does per paint and per mouse move: the parts meeting
// a window-sized area, and the part under the pointer. Both go through the
// grid of part boxes the viewport keeps, so their cost follows what is
// visible or near, not the item count.
void PaintAndHover(const std::string& path, int electrodes) {
  CVikaChartModel model;
  if (!model.OpenProtocolFiles(path.c_str()))
    return;
  const Clock::time_point buildStart = Clock::now();
  ChartPartGrid grid;
  int id = 0;
  for (int i = 0; i < model.GetTakeouts().GetSize(); ++i)
    grid.Insert(id++, model.GetTakeouts()[i]->m_rcBox);
  for (int i = 0; i < model.GetItems().GetSize(); ++i)
    grid.Insert(id++, model.GetItems()[i]->m_rcBox);
  const double build = Seconds(buildStart);

  const SIZE size = model.GetVirtualSize();
  const int paints = 200;
  std::vector<int> ids;
  size_t drawn = 0;
  const Clock::time_point paintStart = Clock::now();
  for (int p = 0; p < paints; ++p) {
    const int x = size.cx > 900 ? (p * 37) % (size.cx - 900) : 0;
    const int y = size.cy > 500 ? (p * 53) % (size.cy - 500) : 0;
    grid.Query(RECT{x, y, x + 900, y + 500}, ids);
    drawn += ids.size();
  }
  const double paint = Seconds(paintStart) / paints;

  const int moves = 100000;
  int hits = 0;
  const Clock::time_point hoverStart = Clock::now();
  for (int m = 0; m < moves; ++m) {
    const POINT pt = {static_cast<LONG>((m * 7919L) % (size.cx + 1)),
                      static_cast<LONG>((m * 104729L) % (size.cy + 1))};
    hits += grid.FindAt(pt) >= 0;
  }
  const double hover = Seconds(hoverStart) / moves;
  std::printf("%5d %8d %10.3f %12.1f %10zu %12.3f %8d\n", electrodes, id, build, paint * 1e6,
              drawn / paints, hover * 1e6, hits);
  std::fflush(stdout);
}

}  // namespace

// The last column is the time per item; the grid's time per item should not
// grow much with the layout, and the plain scan should be far slower.
int main() {
  std::printf("electrodes search  items    read     added    open s  validate s  pairs  us/item\n");
  double firstGrid = 0;
  for (int electrodes : {32, 64, 128, 256}) {
    const std::string path = WriteProtocol(electrodes);
    const double plain = electrodes <= 128 ? Open(path, electrodes, TRUE) : 0;
    // The best of three: a single run of the small layouts is too short to
    // time on a busy machine.
    double grid = 1e300;
    for (int run = 0; run < 3; ++run)
      grid = std::min(grid, Open(path, electrodes, FALSE));
    if (plain > 0 && grid > 0)
      std::printf("%5d  plain/grid %.1fx\n", electrodes, plain / grid);
    if (firstGrid == 0)
      firstGrid = grid;
    else if (grid > 0)
      std::printf("%5d  grid per item vs 32 electrodes %.2fx\n", electrodes, grid / firstGrid);
  }
  std::printf("\nelectrodes parts  index s  paint us/area  parts/area  hover us/move  hits\n");
  for (int electrodes : {64, 128, 256})
    PaintAndHover(WriteProtocol(electrodes), electrodes);
  return 0;
}
