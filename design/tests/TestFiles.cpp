#include "framework/Portable.h"
#include "design/tests/TestFiles.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device random;
  const fs::path dir = fs::temp_directory_path() /
                       ("g7k_design_" + std::to_string(random()) + "_" +
                        std::to_string(counter++));
  fs::create_directories(dir);
  path_ = dir.string();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::Folder() const {
  return (fs::path(path_) / "").string();
}

std::string TempDir::Path(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)),
                     std::istreambuf_iterator<char>());
}

CVikaAddressMap MakeMap(int cables, int takeouts, int xMove, int electrodes,
                        int count) {
  CVikaAddressMap map;
  map.m_nCables = cables;
  map.m_nTakeouts = takeouts;
  map.m_nFactor = 1;
  map.m_nXMove = xMove;
  map.m_nElectrodes = count < 0 ? electrodes : count;
  for (int e = 1; e <= electrodes; ++e) {
    MapItem item;
    item.nAddress = e;
    item.nCable = (e - 1) / takeouts + 1;
    item.nTakeout = (e - 1) % takeouts + 1;
    map.SetAt(e, item);
  }
  return map;
}
