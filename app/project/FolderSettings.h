// The folders of the profile section "Folders": the six the settings sheet
// edits, read and written together with the sheet's defaults, and single
// folders that other commands read with defaults of their own.
#pragma once

#include "framework/Portable.h"

class CProfileStore;

class CFolderSettings
{
public:
    // In the order the sheet writes them back.
    enum Folder { WorkingDir, ImportData, ConversionOutput, Install, VikaProtocols, PolyvectProtocols, FolderCount };

    static LPCTSTR Key(Folder folder);
    static LPCTSTR Default(Folder folder);
    // One folder with the caller's default (which differs from command to command).
    static CString Read(CProfileStore& store, LPCTSTR pszKey, LPCTSTR pszDefault);

    void Load(CProfileStore& store);
    void Save(CProfileStore& store) const;

    CString& operator[](Folder folder) { return m_folders[folder]; }
    const CString& operator[](Folder folder) const { return m_folders[folder]; }

private:
    CString m_folders[FolderCount];
};
