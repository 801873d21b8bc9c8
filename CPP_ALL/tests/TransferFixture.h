// Shared pieces of the transfer tests: temporary folders, file contents and
// a monitor that records what the transfer reported.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CPP_ALL/GFMonitor.h"

namespace fs = std::filesystem;

inline std::string RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 random(seed);
  std::string s(n, '\0');
  for (char& c : s) c = char(random());
  return s;
}

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void WriteFile(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

// Equal byte strings, reported by size and first difference (not dumped).
inline ::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                       << ", first difference at " << i;
}

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& tag) {
    static std::atomic<int> counter{0};
    path = fs::temp_directory_path() /
           ("gf_" + tag + "_" + std::to_string(std::random_device()()) + "_" + std::to_string(counter++));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path operator/(const std::string& name) const { return path / name; }
  fs::path path;
};

// Records messages; answers the abort query with `abortCode` once
// `abortAfter` bytes are done.
class RecordingMonitor : public GFMonitor {
 public:
  void Message(const char* text) override {
    if (keep) messages.push_back(text);
  }
  int QueryAbort() override {
    return abortAfter >= 0 && bytesDone >= abortAfter ? abortCode : 0;
  }
  bool Saw(const std::string& text) const {
    for (const std::string& m : messages)
      if (m.find(text) != std::string::npos) return true;
    return false;
  }
  bool keep = true;
  long abortAfter = -1;
  int abortCode = -901;
  std::vector<std::string> messages;
};
