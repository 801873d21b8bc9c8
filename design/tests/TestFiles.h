// Helpers shared by the design tests: a scratch folder, whole-file reads and
// writes, an in-memory address map and a UI sink that records what it shows.
#pragma once
#include "framework/Portable.h"

#include <string>
#include <vector>

#include "framework/HostServices.h"
#include "design/VikaAddressMap.h"

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing separator, and a file inside it.
  std::string Folder() const;
  std::string Path(const std::string& name) const;

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// cables x takeouts electrodes 1..electrodes, relay address = electrode,
// cable and takeout in order; the header's count is count (or electrodes).
CVikaAddressMap MakeMap(int cables, int takeouts, int xMove, int electrodes,
                        int count = -1);

class RecordingUi : public CSilentHostServices {
 public:
  RecordingUi() : previous_(InstallHostServices(this)) {}
  ~RecordingUi() override { InstallHostServices(previous_); }

  void ReportError(LPCTSTR text, HostIcon) override { errors.emplace_back(text); }
  void BeginWaitCursor() override { ++waitDepth; ++waits; }
  void EndWaitCursor() override { --waitDepth; }
  BOOL BeginProgress(LPCTSTR, int lower, int upper, int) override {
    progressRanges.emplace_back(lower, upper);
    ++openProgress;
    return TRUE;
  }
  void SetProgressPos(int position) override { lastPosition = position; }
  void SetProgressText(LPCTSTR text) override { progressTexts.emplace_back(text); }
  void EndProgress() override { --openProgress; }

  std::vector<std::string> errors;
  std::vector<std::pair<int, int>> progressRanges;
  std::vector<std::string> progressTexts;
  int lastPosition = 0;
  int waits = 0;
  int waitDepth = 0;
  int openProgress = 0;

 private:
  IHostServices* previous_;
};
