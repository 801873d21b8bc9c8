// The removal's own window: a modeless "Remove Program Modules" log with an
// "&Abort" button, which is at the same time the command client the
// removal runs over.
#pragma once

#include "framework/Framework.h"

#include "CPP_ALL/GFMonitor.h"
#include "instrument/Command.h"
#include "instrument/OperationWindow.h"
#include "res/InstrumentRes.h"

#include <functional>

class CRemoveModules : public CDialog, public Command, public IOperationWindow {
public:
    enum { IDD = IDD_REMOVE_PROGRESS };
    static constexpr int kLogLimit = 1024;

    // Probes the instrument (which may throw).
    CRemoveModules(int mask, CWnd* parent = nullptr);
    ~CRemoveModules() override;

    // 0, or the code of what ended the removal (-901 after an abort).
    int Run();

    virtual BOOL IsClosed() const { return m_closed; }
    virtual void AppendTitle(const char* text) override;
    void AppendLog(const char* text);
    const CString& GetLog() const { return m_log; }

    // IOperationWindow
    void Log(const char* text) override { AppendLog(text); }
    void EnableFields(BOOL) override {}
    GFMonitor* Monitor() override { return &m_abort; }
    BOOL IsAborted() override { return m_closed; }
    void ShowError(const char* text) override;
    void Report(G7KException& e) override;
    void Finish() override;
    void KeepOpen() override { Finish(); }

    // Called while the finished window waits; the tests press "&Ok" here.
    void SetWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }

protected:
    void OnCancel() override { m_closed = true; }

private:
    // The abort question of the waits: the closed flag.
    class AbortMonitor : public GFMonitor {
    public:
        explicit AbortMonitor(CRemoveModules& owner) : m_owner(owner) {}
        int QueryAbort() override;

    private:
        CRemoveModules& m_owner;
    };

    CString m_log;
    bool m_closed = false;
    int m_mask;
    AbortMonitor m_abort;
    std::function<void()> m_waitHook;
};
