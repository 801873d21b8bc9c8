#include "framework/Portable.h"
#include "chart/tests/ChartTestFiles.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

namespace charttest {

std::string FreshFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path("chart_files") / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.generic_string() + "/";
}

void WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == NULL)
    return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

std::string ReadFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == NULL)
    return "<missing>";
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, got);
  std::fclose(file);
  return text;
}

bool FileExists(const std::string& path) {
  return std::filesystem::exists(path);
}

std::string AddressFileText(int takeoutsPerCable, int factor, int xMove,
                            int count) {
  const int cables = (count + takeoutsPerCable - 1) / takeoutsPerCable;
  std::ostringstream out;
  out << cables << "\t" << takeoutsPerCable << "\r\n"
      << factor << "\t" << xMove << "\t0\r\n"
      << count << "\r\n";
  for (int e = 1; e <= count; ++e) {
    out << e << "\t" << e << "\t" << (e - 1) / takeoutsPerCable + 1 << "-"
        << (e - 1) % takeoutsPerCable + 1 << "\r\n";
  }
  return out.str();
}

std::unique_ptr<CVikaAddressMap> MakeAddressMap(int takeoutsPerCable,
                                                int factor, int xMove,
                                                int count) {
  auto map = std::make_unique<CVikaAddressMap>();
  map->m_nCables = (count + takeoutsPerCable - 1) / takeoutsPerCable;
  map->m_nTakeouts = takeoutsPerCable;
  map->m_nFactor = factor;
  map->m_nXMove = xMove;
  map->m_nElectrodes = count;
  map->m_strFileName = "TEST.ADR";
  for (int e = 1; e <= count; ++e) {
    MapItem item;
    item.nAddress = e;
    item.nCable = (e - 1) / takeoutsPerCable + 1;
    item.nTakeout = (e - 1) % takeoutsPerCable + 1;
    map->SetAt(e, item);
  }
  return map;
}

std::string WriteDipoleDipole(const std::string& folder, int spacingHigh,
                              int levelHigh, int every) {
  CVikaAddressMap map(CString((folder + "LINE.ADR").c_str()));
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(5);
  CVikaProtocolGenerator generator;
  generator.SetSpacingRange(1, spacingHigh);
  generator.SetLevelRange(1, levelHigh);
  const char* extensions[3] = {".ORG", ".UP", ".DWN"};
  for (int s = 0; s < 3; ++s) {
    CVikaCommandArray commands;
    const int made = generator.Generate(commands, map, NULL, *layout, s);
    std::string text = "5\nLINE.ADR\t//Address File\n";
    for (int c = 0; c < made; c += every) {
      const CVikaCommand& command = commands[c];
      text += std::to_string(command.m_nC1) + "\t" +
              std::to_string(command.m_nC2) + "\t" +
              std::to_string(command.m_nP1[0]) + "\t" +
              std::to_string(command.m_nP2[0]) + "\n";
    }
    WriteFile(folder + "DD" + extensions[s], text);
  }
  return folder + "DD.ORG";
}

std::vector<std::string> DataLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    if (++number <= 2)
      continue;
    std::istringstream values(line);
    std::string value, joined;
    while (values >> value)
      joined += (joined.empty() ? "" : " ") + value;
    if (!joined.empty())
      lines.push_back(joined);
  }
  return lines;
}

}  // namespace charttest
