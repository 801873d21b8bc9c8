// The project model: source and target folders, the list columns and the
// owned list of file records. Conversion, Vika and Polyvect projects derive
// from it and fill the hooks (make a record, make a list row, compare rows).
#pragma once

#include "framework/Portable.h"
#include "mvc/MvcModel.h"
#include "app/project/ColumnProperty.h"
#include "app/project/ProtocolInfo.h"

#include <memory>
#include <string>
#include <unordered_set>

class CProtocolItem;

typedef CMap<UINT, UINT, CColumnProperty, CColumnProperty&> CColumnMap;
typedef CTypedPtrList<CPtrList, CProtocolInfo*> CProtocolInfoList;
// List-view compare callback: the two rows' items and the model.
typedef int (CALLBACK* PFNPROTOCOLCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

// The one version word every project file carries.
constexpr DWORD PROJECT_FILE_VERSION = 256;

class CProtocolModel : public CObject, public MvcModel
{
    DECLARE_SERIAL(CProtocolModel)

public:
    explicit CProtocolModel(UINT nSchema = 256);
    ~CProtocolModel() override;

    void Serialize(CArchive& ar) override;
    virtual int GetColumnCount();
    virtual int GetColumnWidth(UINT nPosition);
    virtual void SetColumnWidth(UINT nPosition, int nWidth);
    virtual CColumnMap& GetColumnMap();
    virtual CProtocolInfo* FindInfo(LPCTSTR pszName);
    virtual BOOL Contains(LPCTSTR pszName);
    virtual void SetSourceFolder(LPCTSTR pszFolder);
    virtual int Reserved();
    virtual PFNPROTOCOLCOMPARE GetCompareFunc();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    virtual CProtocolItem* CreateItem();
    virtual void RemoveAll();
    virtual CProtocolInfo* CreateInfo(LPCTSTR pszFolder, LPCTSTR pszName);
    virtual BOOL AddByFileName(LPCTSTR pszName);
    virtual CProtocolInfoList& GetInfoList();
    virtual int GetInfoCount();
    virtual void SetTargetFolder(LPCTSTR pszFolder);
    virtual int GetSortColumn();
    virtual int GetSortDirection(UINT nPosition);
    virtual void SetSortColumn(int nPosition);
    virtual void ToggleSortDirection(UINT nPosition);

    BOOL IsModified() const override { return m_bModified; }

    // Folders are kept with their trailing "\" (an empty folder stays empty).
    const CString& GetSourceFolder() const { return m_strSourceFolder; }
    const CString& GetTargetFolder() const { return m_strTargetFolder; }

    UINT GetSchema() const { return m_nSchema; }
    UINT GetLoadedVersion() const { return m_nLoadedVersion; }

    // Appends a record the model owns from now on. Families add their
    // records through it, so a file being loaded sees every name taken.
    void AddInfo(CProtocolInfo* pInfo);

    rw::ISubject* GetSubject() { return static_cast<rw::ISubject*>(static_cast<MvcModel*>(this)); }

protected:
    // Adds a plain record for a file name the model does not hold yet and
    // marks the model changed; FALSE for an empty or known name.
    BOOL AddNamedRecord(LPCTSTR pszName);
    void Store(CArchive& ar);
    void Load(CArchive& ar);

    UINT m_nSchema;
    UINT m_nLoadedVersion = 0;
    CColumnMap m_columns;
    CString m_strSourceFolder;
    CString m_strTargetFolder;
    int m_nSortColumn = 0;
    CProtocolInfoList m_infos;
    BOOL m_bModified = FALSE;

private:
    static std::string NameKey(LPCTSTR pszName);

    // While a file is loaded: the names taken so far, in lower case, so each
    // name is checked in one look-up instead of a scan of the whole list.
    std::unique_ptr<std::unordered_set<std::string>> m_pLoadingNames;
};
