// The shared status window as the log that a short instrument operation
// appends its progress lines to.
#pragma once

#include "framework/Framework.h"

#include "app/dialogs/StatusMessage.h"
#include "instrument/StatusLog.h"

class CStatusLogDlg : public CStatusMessage, public IStatusLog {
public:
    // Creates and shows the window at once, showing text.
    explicit CStatusLogDlg(const char* text = "", CWnd* parent = nullptr);

    void AppendText(const char* text) override;
};
