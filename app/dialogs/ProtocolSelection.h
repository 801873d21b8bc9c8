// The rules of the protocol selection manager: the project's protocol files
// ("selected") and the files of the source folder that are not in the
// project ("available"). Both lists keep alphabetical order; names are
// compared without regard to case and kept as found, so a project file
// hides the folder file of the same name whatever the case of either.
#pragma once

#include "framework/Portable.h"

#include <functional>
#include <vector>

class CProtocolModel;

class CProtocolSelection
{
public:
    // Lists the folder's protocol files (names only).
    typedef std::function<std::vector<CString>()> FolderLister;

    explicit CProtocolSelection(FolderLister listFolder);

    // The folder scan pattern: the source folder (with its "\"), "*" and
    // the extension.
    static CString ScanPattern(const CString& strSourceFolder, const CString& strExtension);
    // A lister over the files matching a pattern.
    static FolderLister FilesMatching(const CString& strPattern);

    void SetSelected(const std::vector<CString>& names);
    void RefillAvailable();

    const std::vector<CString>& Available() const { return m_available; }
    const std::vector<CString>& Selected() const { return m_selected; }

    // Rows of the lists; rows out of range are ignored.
    void Add(const std::vector<int>& availableRows);
    void AddAll();
    // The removed names go back to the folder's list only when the folder
    // still has their files.
    void Remove(const std::vector<int>& selectedRows);
    void RemoveAll();

    // Rebuilds the model's records from the selected names, in list order,
    // with "Scanning files:" progress while there are any. When the family
    // throws for a file, the other files are still added and the first
    // failure is thrown after.
    void ApplyTo(CProtocolModel& model) const;

private:
    BOOL IsSelected(const CString& strName) const;
    void InsertSelected(const CString& strName);

    FolderLister m_listFolder;
    std::vector<CString> m_available;
    std::vector<CString> m_selected;
};
