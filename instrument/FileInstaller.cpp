#include "instrument/FileInstaller.h"

#include "CPP_ALL/GFComStream.h"
#include "instrument/Command.h"
#include "instrument/ZmodemTransfer.h"

namespace {

constexpr int kInstallAckTimeout = 15000;

} // namespace

void FileInstaller::SendFile(const std::string& path)
{
    GFMonitor* monitor = m_window.Monitor();
    SendByZmodem(m_command, SingleFileSpec(path).c_str(), monitor, *monitor);
}

void FileInstaller::Steps()
{
    Connect();
    for (const std::string& path : m_paths) {
        if (path.empty()) {
            m_window.ShowError("Could not find: ");
            Log(" Error!");
            continue;
        }
        Log("\r\nInstalling: %s...", path.c_str());
        Log("\r\n\tTransferring file(s)...");
        m_command.Send(("INS " + path).c_str(), kInstallAckTimeout);
        m_command.GetLink()->Purge(0);
        m_window.EnableFields(TRUE);
        SendFile(path);
        m_window.EnableFields(FALSE);
        Log(" Ok!");
    }
}
