// Installs files (geometry files) on the instrument: "INS " with the full
// local path, then the file by ZMODEM, which the instrument receives under
// its bare name. The first error ends the run.
#pragma once

#include "instrument/InstrumentOperation.h"

#include <string>
#include <vector>

class FileInstaller : public InstrumentOperation {
public:
    FileInstaller(Command& command, IOperationWindow& window, std::vector<std::string> paths)
        : InstrumentOperation(command, window), m_paths(std::move(paths)) {}

protected:
    void Steps() override;
    const char* SuccessText() const override { return "\r\n\r\n --- Installation completed successfully! ---\r\n"; }
    virtual void SendFile(const std::string& path);

private:
    std::vector<std::string> m_paths;
};
