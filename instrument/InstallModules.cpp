#include "instrument/InstallModules.h"

CInstallModules::CInstallModules(const CString& folder, int mask)
    : FileTransfer("Install Program Modules"), m_window(m_statusDlg, *this),
      m_installer(*this, m_window, mask, static_cast<const char*>(folder))
{
}

CString CInstallModules::FindModuleFile(const char* name)
{
    return m_installer.FindModuleFile(name).c_str();
}

int CInstallModules::Execute()
{
    return m_installer.Run();
}

BOOL CInstallModules::CheckDiskSpace(long fileSize, long& freeSpace)
{
    return m_installer.CheckDiskSpace(fileSize, freeSpace);
}
