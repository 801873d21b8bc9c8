// Imports data files into the current directory (the caller's import
// folder) in the "Import Data" transfer-status window: the chosen files one
// by one, or all data with the four import-all commands.
#pragma once

#include "instrument/FileTransfer.h"
#include "instrument/TransferOperationWindow.h"

#include <string>
#include <vector>

class CImportData : public FileTransfer {
public:
    CImportData(const CString& importFolder, CStringArray* files);
    explicit CImportData(const CString& importFolder);

    // 0, or the code of the failure that ended the import.
    virtual int Execute();
    virtual int ImportAll();

    CTransferOperationWindow& GetWindow() { return m_window; }
    // The names of the files the last run brought into the import folder.
    const std::vector<std::string>& Received() const { return m_received; }

protected:
    CStringArray* m_pFiles = nullptr;
    CString m_importFolder;
    CTransferOperationWindow m_window;
    std::vector<std::string> m_received;

private:
    int Run(const std::vector<std::string>* paths);
};
