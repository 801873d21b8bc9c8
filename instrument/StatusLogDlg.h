// A small modeless window with a read-only text that a short instrument
// operation appends its progress lines to.
#pragma once

#include "framework/Framework.h"

#include "instrument/StatusLog.h"
#include "res/InstrumentRes.h"

class CStatusLogDlg : public CDialog, public IStatusLog {
public:
    enum { IDD = IDD_INSTRUMENT_STATUS };

    // Creates the window at once, showing text.
    explicit CStatusLogDlg(const char* text = "", CWnd* parent = nullptr);
    ~CStatusLogDlg() override;

    void AppendText(const char* text) override;
    const CString& GetText() const { return m_text; }

private:
    CString m_text;
};
