// The module installation as a file transfer: the module installer's steps
// in the "Install Program Modules" transfer-status window.
#pragma once

#include "instrument/FileTransfer.h"
#include "instrument/ModuleInstaller.h"
#include "instrument/TransferOperationWindow.h"

class CInstallModules : public FileTransfer {
public:
    // Probes the instrument (which may throw) and opens the window.
    CInstallModules(const CString& folder, int mask);

    virtual CString FindModuleFile(const char* name);
    // 0, or the code of the failure that ended the installation.
    virtual int Execute();
    virtual BOOL CheckDiskSpace(long fileSize, long& freeSpace);

    CTransferOperationWindow& GetWindow() { return m_window; }

protected:
    CTransferOperationWindow m_window;
    ModuleInstaller m_installer;
};
