// A command that moves files between the PC and the instrument by ZMODEM,
// with its transfer-status window as progress monitor and abort button.
#pragma once

#include "framework/Framework.h"

#include "instrument/Command.h"
#include "instrument/TransferStatusDlg.h"

class FileTransfer : public Command {
public:
    // Probes the instrument and opens the status window.
    explicit FileTransfer(const char* title);
    ~FileTransfer() override;

    // Receives the files the instrument sends into the current directory,
    // then waits for its closing "!". 0, else throws.
    virtual int Receive();
    // Sends the files of fileSpec, then waits for the closing "!".
    virtual int SendFiles(const char* fileSpec, GFMonitor* monitor);

    CTransferStatusDlg& GetStatusDlg() { return m_statusDlg; }

protected:
    CString m_title;
    CTransferStatusDlg m_statusDlg;
};
