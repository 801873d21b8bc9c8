// What the chart model needs from the running application: the main status
// bar's progress pane, the wait cursor and the profile. The model talks to
// the installed host only, so it runs headless; the Win32 build installs one
// that reaches the status bar and the application object. Without a host
// (the tests) nothing is shown, read or written.
#pragma once
#include "framework/Framework.h"

class IChartHost {
 public:
  virtual ~IChartHost() = default;

  // The status bar's progress pane. BeginProgress returns FALSE when there
  // is no status bar to show it on.
  virtual BOOL BeginProgress(LPCTSTR text, int lower, int upper, BOOL setPos,
                             DWORD style, int step) = 0;
  virtual void SetProgressPos(int pos) = 0;
  virtual void StepProgress() = 0;
  virtual void EndProgress() = 0;

  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}

  // Application profile strings; FALSE when there is no application object.
  virtual BOOL GetProfileString(LPCTSTR section, LPCTSTR key, CString& value) {
    return FALSE;
  }
  virtual void WriteProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value) {}
};

// The installed host, or NULL.
IChartHost* GetChartHost();
// Installs a host (not owned); NULL removes it. Returns the previous one.
IChartHost* SetChartHost(IChartHost* host);

// Progress shown for the lifetime of a scope, when there is a host.
class ChartProgress {
 public:
  ChartProgress(LPCTSTR text, int lower, int upper, int step = 1);
  ~ChartProgress();
  ChartProgress(const ChartProgress&) = delete;
  ChartProgress& operator=(const ChartProgress&) = delete;

  void Step();
  void SetPos(int pos);

 private:
  IChartHost* m_pHost;
};

// Advances a progress that someone else began (the protocol reader steps
// the one the loader began).
void StepChartProgress();

// Wait cursor for the lifetime of a scope.
class ChartWaitCursor {
 public:
  ChartWaitCursor();
  ~ChartWaitCursor();
  ChartWaitCursor(const ChartWaitCursor&) = delete;
  ChartWaitCursor& operator=(const ChartWaitCursor&) = delete;

 private:
  IChartHost* m_pHost;
};
