#include "instrument/ModuleInstaller.h"

#include "CPP_ALL/GFComStream.h"
#include "instrument/Command.h"
#include "instrument/ZmodemTransfer.h"

#include <filesystem>

namespace {

constexpr int kInstallAckTimeout = 15000;
constexpr int kExpandAckTimeout = 10000;

} // namespace

std::string ModuleInstaller::FindModuleFile(const std::string& name) const
{
    std::error_code ec;
    if (!std::filesystem::is_directory(m_folder, ec))
        return std::string();
    return JoinInstrumentPath(m_folder, name);
}

BOOL ModuleInstaller::CheckDiskSpace(long fileSize, long& freeSpace)
{
    freeSpace = m_command.Dsk();
    return HasRoomFor(fileSize, freeSpace);
}

bool ModuleInstaller::FileSize(const std::string& path, long& size) const
{
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    size = static_cast<long>(bytes);
    return true;
}

void ModuleInstaller::SendFile(const std::string& path)
{
    GFMonitor* monitor = m_window.Monitor();
    SendByZmodem(m_command, SingleFileSpec(path).c_str(), monitor, *monitor);
}

void ModuleInstaller::DeleteArchives()
{
    Log("\r\n\tDeleting ZIP-File(s)...");
    m_command.Send(DeleteArchivesCommand(m_command.IsFullDialect()), Command::kAckTimeout);
    m_command.ReadUntil('!', m_window.Monitor());
    Log(" Ok!");
}

void ModuleInstaller::Steps()
{
    Connect();
    for (const ModuleRow* row = kModuleTable; row->bit != 0; ++row)
        if (m_mask & row->bit)
            InstallRow(*row);
}

void ModuleInstaller::InstallRow(const ModuleRow& row)
{
    const bool full = m_command.IsFullDialect();
    Log("\r\nInstalling: %s...", row.description);
    if (IsArchive(row))
        DeleteArchives();
    const std::string path = FindModuleFile(row.file);
    if (path.empty()) {
        m_window.ShowError((std::string("Could not find: ") + row.file).c_str());
        Log(" Error!");
        return;
    }
    Log("\r\n\tTransferring file(s)...");
    long size = 0;
    if (!FileSize(path, size)) {
        Log("FAILED!\r\n\tFile:%s\r\n\tCould not get file status\r\n", path.c_str());
        return;
    }
    long freeSpace = 0;
    if (!CheckDiskSpace(size, freeSpace)) {
        Log("FAILED!\r\n\tNot sufficient free diskspace!\r\n\tRequired free disk space: %ld bytes\r\n"
            "\tAvailable free disk space: %ld bytes\r\n",
            RequiredSpace(size), freeSpace);
        if (IsArchive(row))
            DeleteArchives();
        return;
    }
    m_command.Send(InstallCommand(row, full), kInstallAckTimeout);
    m_command.GetLink()->Purge(0);
    m_window.EnableFields(TRUE);
    SendFile(path);
    m_window.EnableFields(FALSE);
    if (IsArchive(row)) {
        Log(" Ok!\r\n\tExpanding zipped file on target system. Please wait...");
        if (const char* expand = ExpandCommand(row, full))
            m_command.Send(expand, kExpandAckTimeout);
        m_command.ReadUntil('!', m_window.Monitor());
    }
    Log(" Ok!");
    if (IsArchive(row))
        DeleteArchives();
}
