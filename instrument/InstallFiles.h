// Installs geometry files chosen in a file dialog that opens in the Vika
// protocols folder, in the "Install files" transfer-status window. The
// working directory is left as it was.
#pragma once

#include "instrument/FileTransfer.h"
#include "instrument/TransferOperationWindow.h"

#include <string>
#include <vector>

class CInstallFiles : public FileTransfer {
public:
    CInstallFiles(const CString& folder, int mask);

    // 0 when cancelled or done, else the code of the failure.
    virtual int Execute();

    CTransferOperationWindow& GetWindow() { return m_window; }

protected:
    // The chosen files, full paths in the dialog's order; empty when cancelled.
    virtual std::vector<std::string> ChooseFiles();

    int m_mask;
    CString m_folder;
    CTransferOperationWindow m_window;
};
