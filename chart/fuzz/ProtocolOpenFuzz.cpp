// Opening a whole chart protocol: the ".ORG" header names the address file
// that is loaded, then the three sections are read and the missing
// measurements added. The input holds the texts of F.ORG, F.ADR, F.UP and
// F.DWN, separated by lines "%%". A protocol that opens must save as one
// set of three files and open again with the same header; one that is
// refused must give its reason and leave the model empty.
#include "framework/Portable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/OsFile.h"
#include "chart/VikaChartModel.h"
#include "design/VikaAddressMap.h"

namespace {

// The generator and the takeouts grow with the electrode count; a large
// count only makes the run slow.
const UINT kMaxElectrodes = 64;

std::vector<std::string> SplitParts(const uint8_t* data, size_t size) {
  std::vector<std::string> parts(1);
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    const bool last = end == std::string::npos;
    if (last)
      end = text.size();
    const std::string line = text.substr(start, end - start);
    if (line == "%%" && parts.size() < 4)
      parts.emplace_back();
    else
      parts.back() += line + (last ? "" : "\n");
    start = end + 1;
  }
  parts.resize(4);
  return parts;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192)
    return 0;
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("g7k_chart_fuzz_" + std::to_string(OsFile::ProcessId()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  const std::vector<std::string> parts = SplitParts(data, size);
  const char* names[4] = {"F.ORG", "F.ADR", "F.UP", "F.DWN"};
  for (int i = 0; i < 4; ++i)
    WriteText(folder / names[i], parts[i]);
  const CVikaAddressMap map(CString((folder / "F.ADR").string().c_str()));
  if (map.m_nElectrodes > kMaxElectrodes || map.GetCount() > 64)
    return 0;
  // The header may name another address file, even one elsewhere.
  if (parts[0].find("F.ADR") == std::string::npos &&
      parts[0].find("f.adr") == std::string::npos)
    return 0;

  const CString path((folder / "F.ORG").string().c_str());
  CVikaChartModel model;
  if (!model.OpenProtocolFiles(path)) {
    // A refused protocol says why and leaves no half-read chart.
    if (model.GetOpenError().IsEmpty() || model.GetItems().GetSize() > 0 ||
        model.GetTakeouts().GetSize() > 0 || model.GetLayout())
      std::abort();
    return 0;
  }
  const int code = model.GetLayout()->GetCode();
  const CString address = model.GetAddressMap()->m_strFileName;
  const CString geometry = model.GetGeometry();
  for (int section : {kSectionOrg, kSectionUp, kSectionDwn})
    model.FormatProtocolFile(section);

  if (!model.SaveProtocolFiles(path))
    std::abort();
  // Nothing but the set itself is left in the folder.
  if (FolderNames(folder).size() != 4)
    std::abort();
  CVikaChartModel again;
  if (!again.OpenProtocolFiles(path) || again.GetLayout()->GetCode() != code ||
      again.GetAddressMap()->m_strFileName != address ||
      again.GetGeometry() != geometry)
    std::abort();
  return 0;
}
