// The modeless window of a file transfer. It is also the transfer's
// progress monitor: the library reports file, bytes and messages into it and
// asks it whether the user pressed "&Abort".
#pragma once

#include "framework/Framework.h"

#include "CPP_ALL/GFMonitor.h"
#include "res/InstrumentRes.h"
#include "mvc/controls/ProgressCtrl.h"

#include <functional>

class CTransferStatusDlg : public CDialog, public GFMonitor {
public:
    enum { IDD = IDD_TRANSFER_STATUS };
    static constexpr int kLogLimit = 32000;

    explicit CTransferStatusDlg(const char* title = "", CWnd* parent = nullptr);

    virtual BOOL IsAborted() const { return m_aborted; }
    virtual void SetTitle(const char* title);
    virtual BOOL IsOpen() const { return m_open; }

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // Idle state (FALSE: placeholders, bar at 0) or transfer state.
    void EnableFields(BOOL enable);
    void SetOkButton();
    void Finish();
    void Log(const char* text);

    int Progress(int result) override;
    void Message(const char* text) override;
    // Handles waiting messages first: on a fast line the library may not
    // wait long enough to run its idle hook, and the button must still work.
    int QueryAbort() override;
    void Notify(int) override {}

    // Asks the user to confirm an abort ("Abort job?"); tests replace it.
    void SetConfirmAbort(std::function<bool()> confirm) { m_confirm = std::move(confirm); }
    const CString& GetLogText() const { return m_log; }
    SECProgressCtrl& GetProgressCtrl() { return m_progress; }
    CString GetFieldText(int id) const;

private:
    void SetField(int id, const char* text, int limit);
    void ScrollLogToEnd();

    SECProgressCtrl m_progress;
    BOOL m_open = FALSE;
    BOOL m_aborted = FALSE;
    CString m_lastLogged;
    CString m_title;
    CString m_log;
    long m_shownBytes = -1;
    int m_shownErrors = -1;
    std::function<bool()> m_confirm;
};
