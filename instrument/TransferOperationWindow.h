// An operation's steps shown in a transfer-status window: its log, fields
// and title, its abort button, and at the end "&Ok", waited for.
#pragma once

#include "instrument/OperationWindow.h"
#include "instrument/TransferStatusDlg.h"

#include <functional>

class Command;

class CTransferOperationWindow : public IOperationWindow {
public:
    CTransferOperationWindow(CTransferStatusDlg& dialog, Command& command) : m_dialog(dialog), m_command(command) {}

    void Log(const char* text) override { m_dialog.Log(text); }
    void EnableFields(BOOL enable) override { m_dialog.EnableFields(enable); }
    void AppendTitle(const char* text) override;
    GFMonitor* Monitor() override { return &m_dialog; }
    BOOL IsAborted() override { return m_dialog.IsAborted(); }
    void ShowError(const char* text) override;
    void Report(G7KException& e) override;
    // "&Ok", the finished state, then the messages until the user presses it.
    void Finish() override;
    // The same "&Ok" and wait, so a failed run's log can be read.
    void KeepOpen() override { Finish(); }

    // Called while the finished window waits; the tests press "&Ok" here.
    void SetWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }

private:
    CTransferStatusDlg& m_dialog;
    Command& m_command;
    CString m_title;
    std::function<void()> m_waitHook;
};
