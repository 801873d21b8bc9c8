// What the protocol-design code shows the user: stop-icon message boxes,
// the wait cursor and the numeric progress window. The core talks to the
// installed sink only, so it runs headless; the Win32 build installs one
// that shows the real boxes and dialogs.
#pragma once
#include "framework/Framework.h"

class DesignUi {
 public:
  virtual ~DesignUi() = default;

  // A message box with the stop icon and an OK button.
  virtual void ShowError(const CString& text) {}

  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}

  // The numeric progress window: opened with a range, moved with a
  // position and a text, closed at the end.
  virtual void BeginProgress(int lower, int upper) {}
  virtual void SetProgress(int position, const CString& text) {}
  virtual void EndProgress() {}
};

// The sink in use; a do-nothing one until SetDesignUi installs another.
DesignUi& GetDesignUi();
// Installs a sink (not owned); null restores the do-nothing one. Returns
// the previous sink.
DesignUi* SetDesignUi(DesignUi* ui);

// Wait cursor for the lifetime of a scope.
class DesignWaitCursor {
 public:
  DesignWaitCursor() { GetDesignUi().BeginWaitCursor(); }
  ~DesignWaitCursor() { GetDesignUi().EndWaitCursor(); }
  DesignWaitCursor(const DesignWaitCursor&) = delete;
  DesignWaitCursor& operator=(const DesignWaitCursor&) = delete;
};
