// Imports data files from the instrument into the current directory: one
// "TXX path" per chosen file, or the four import-all commands, each followed
// by a ZMODEM receive. Received files reach the folder only when their
// transfer completed; the first failure ends the run.
#pragma once

#include "instrument/InstrumentOperation.h"

#include <string>
#include <vector>

class DataImporter : public InstrumentOperation {
public:
    // paths null: import all.
    DataImporter(Command& command, IOperationWindow& window, std::string importFolder,
                 const std::vector<std::string>* paths)
        : InstrumentOperation(command, window), m_folder(std::move(importFolder)), m_paths(paths) {}

    // The names of the files that arrived, also when a later one failed.
    const std::vector<std::string>& Received() const { return m_received; }

protected:
    void Steps() override;
    const char* SuccessText() const override { return "\r\n\r\n --- Data successfully imported! ---\r\n"; }
    virtual void ReceiveFiles();

private:
    void Import(const char* what, const std::string& command);

    std::string m_folder;
    const std::vector<std::string>* m_paths;

protected:
    std::vector<std::string> m_received;
};
