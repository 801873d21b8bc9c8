// The model of a data conversion project: the data-file records with the
// facts of their headers, the list columns, and the source and target
// folders. A file is in a project at most once by title (letter case
// ignored), whatever its folder; titles are found through an index, so
// adding a season's files takes time in proportion to their number.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"
#include "conversion/ConversionInfo.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// What one AddFiles call did.
struct ConversionAddSummary
{
    UINT nAdded = 0;
    UINT nRejected = 0;
    UINT nReplaced = 0;
    // The added files that cannot be read, named; empty when all can be.
    CString strUnreadable;
};

class CConversionModel : public CProtocolModel
{
    DECLARE_SERIAL(CConversionModel)

public:
    // Folders from the profile ("Folders"/"ImportData", "ConversionOutput"),
    // the default column layout.
    CConversionModel();
    ~CConversionModel() override;

    void Serialize(CArchive& ar) override;
    BOOL Contains(LPCTSTR pszPath) override;
    PFNPROTOCOLCOMPARE GetCompareFunc() override;
    CProtocolItem* CreateItem() override;
    void RemoveAll() override;
    CProtocolInfo* CreateInfo(LPCTSTR pszFolder, LPCTSTR pszPath) override;
    BOOL AddByFileName(LPCTSTR pszPath) override;

    // Adds every non-empty path, then shows how many were added and
    // rejected; marks the model changed when any was added.
    virtual void AddFiles(CStringList* pPaths);
    // Takes the first record of that title (letter case counts) out of the
    // list. A record rows still observe is kept until they are gone.
    virtual BOOL RemoveByName(LPCTSTR pszPath);
    // The path up to and with its last separator; empty without one.
    virtual CString ExtractFolder(const CString& strPath);
    // The file name up to its first ".".
    virtual CString ExtractTitle(const CString& strPath);

    void ResetColumns();

    enum RenameResult { RENAME_OK, RENAME_TITLE_TAKEN, RENAME_FAILED };
    // Gives a data file (and its log) a new title in its folder and puts
    // the renamed file in the record's place. A title another record holds
    // is refused before anything is renamed.
    RenameResult RenameDataFile(CConversionInfo* pInfo, const CString& strNewTitle);
    ConversionAddSummary AddPaths(CStringList* pPaths);
    // The data files that cannot be read, each path with what is wrong;
    // empty when every file can be read.
    CString UnreadableFilesReport();
    const ConversionAddSummary& GetLastAddSummary() const { return m_lastSummary; }
    // The record of a title (letter case ignored), or null.
    CConversionInfo* FindByTitle(const CString& strTitle);
    // Deletes the removed records nothing observes any more.
    void PurgeRemoved();
    int GetRemovedCount() const { return static_cast<int>(m_removed.size()); }

    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    // The order of two records by the model's sort column and direction.
    int CompareInfos(CConversionInfo& a, CConversionInfo& b);

private:
    static std::string TitleKey(const CString& strTitle);
    void IndexTitle(const CString& strTitle, int nDelta);
    bool HasOnlyKnownColumns();

    // Records by lower-case title: how many hold each.
    std::unordered_map<std::string, int> m_titles;
    std::vector<std::unique_ptr<CConversionInfo>> m_removed;
    ConversionAddSummary m_lastSummary;
};
