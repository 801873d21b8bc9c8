// Installs the chosen modules of the module table from the PC's module
// folder: for each, clears old archives, checks the instrument's free
// space, sends the install command and the file, and has an archive
// expanded. A missing file or too little room skips that module; a link or
// instrument error ends the run.
#pragma once

#include "instrument/InstrumentOperation.h"
#include "instrument/InstrumentTables.h"

#include <string>

class ModuleInstaller : public InstrumentOperation {
public:
    ModuleInstaller(Command& command, IOperationWindow& window, int mask, std::string folder)
        : InstrumentOperation(command, window), m_mask(mask), m_folder(std::move(folder)) {}

    // The module's path in the folder, or empty when the folder is missing.
    virtual std::string FindModuleFile(const std::string& name) const;
    // Reads the instrument's free space; TRUE when fileSize fits with the reserve.
    virtual BOOL CheckDiskSpace(long fileSize, long& freeSpace);
    // The real error of a failed deletion is kept (a time-out stays a time-out).
    void DeleteArchives();

protected:
    void Steps() override;
    const char* SuccessText() const override { return "\r\n\r\n --- Installation completed successfully! ---\r\n"; }
    // The local file's size; false when its status cannot be read.
    virtual bool FileSize(const std::string& path, long& size) const;
    virtual void SendFile(const std::string& path);

private:
    void InstallRow(const ModuleRow& row);

    int m_mask;
    std::string m_folder;
};
