#include "framework/Portable.h"
#include "app/project/FolderSettings.h"
#include "framework/ProfileStore.h"

namespace {

const char kSection[] = "Folders";

struct FolderKey
{
    LPCTSTR pszKey;
    LPCTSTR pszDefault;
};

const FolderKey kFolderKeys[CFolderSettings::FolderCount] = {
    {"WorkingDir", "C:\\GVX7000\\Projects\\"},
    {"ImportData", "C:\\GVX7000\\Data\\"},
    {"ConversionOutput", "C:\\GVX7000\\Data\\"},
    {"Install", "C:\\GVX7000\\Embedded\\"},
    {"VikaProtocols", "C:\\GVX7000\\Protocol\\"},
    {"PolyvectProtocols", "C:\\GVX7000\\Polyvect\\"},
};

} // namespace

LPCTSTR CFolderSettings::Key(Folder folder)
{
    return kFolderKeys[folder].pszKey;
}

LPCTSTR CFolderSettings::Default(Folder folder)
{
    return kFolderKeys[folder].pszDefault;
}

CString CFolderSettings::Read(CProfileStore& store, LPCTSTR pszKey, LPCTSTR pszDefault)
{
    return store.GetString(kSection, pszKey, pszDefault);
}

void CFolderSettings::Load(CProfileStore& store)
{
    for (int i = 0; i < FolderCount; ++i)
        m_folders[i] = Read(store, kFolderKeys[i].pszKey, kFolderKeys[i].pszDefault);
}

void CFolderSettings::Save(CProfileStore& store) const
{
    for (int i = 0; i < FolderCount; ++i)
        store.WriteString(kSection, kFolderKeys[i].pszKey, m_folders[i]);
}
