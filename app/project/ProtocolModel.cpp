#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "app/project/ProtocolModel.h"
#include "framework/PathNames.h"
#include "app/project/ProjectFileReader.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CProtocolModel, CObject, VERSIONABLE_SCHEMA)

CProtocolModel::CProtocolModel(UINT nSchema)
    : m_nSchema(nSchema)
    , m_columns(10)
{
    m_columns.InitHashTable(17);
}

CProtocolModel::~CProtocolModel()
{
    RemoveAll();
}

void CProtocolModel::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CProtocolModel::Store(CArchive& ar)
{
    ar << static_cast<DWORD>(m_nSchema);
    ar << m_strSourceFolder << m_strTargetFolder;
    ar << static_cast<DWORD>(m_infos.GetCount());
    // The name field itself: a family may show its records by another name
    // (the conversion records keep a path and show a title).
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;)
        ar << m_infos.GetNext(pos)->CProtocolInfo::GetName();
    ar.WriteCount(static_cast<DWORD>(m_columns.GetCount()));
    for (POSITION pos = m_columns.GetStartPosition(); pos != nullptr;) {
        UINT nPosition = 0;
        CColumnProperty prop;
        m_columns.GetNextAssoc(pos, nPosition, prop);
        ar << static_cast<DWORD>(nPosition);
        prop.Serialize(ar);
    }
}

// The whole file is read and checked before the model changes, so a damaged
// file leaves nothing half-loaded.
void CProtocolModel::Load(CArchive& ar)
{
    CProjectFileContents contents = ReadProjectFile(ar);

    m_nLoadedVersion = contents.dwVersion;
    m_strSourceFolder = WithTrailingBackslash(contents.strSourceFolder);
    m_strTargetFolder = WithTrailingBackslash(contents.strTargetFolder);

    const int nNames = static_cast<int>(contents.names.size());
    m_pLoadingNames = std::make_unique<std::unordered_set<std::string>>();
    // Sized once: rehashing as it fills walks every name again.
    m_pLoadingNames->reserve((size_t)m_infos.GetCount() + (size_t)nNames);
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;)
        m_pLoadingNames->insert(NameKey(m_infos.GetNext(pos)->GetName()));
    struct LoadingNamesEnd {
        std::unique_ptr<std::unordered_set<std::string>>& names;
        ~LoadingNamesEnd() { names.reset(); }
    } loadingNamesEnd{m_pLoadingNames};
    {
        // Ends even when a family's reader throws.
        ProgressScope progress("Scanning files:", 0, nNames > 0 ? nNames : 1, 10);
        for (int i = 0; i < nNames; ++i) {
            progress.SetPos(i);
            if (!contents.names[i].IsEmpty())
                AddByFileName(contents.names[i]);
        }
    }

    m_columns.RemoveAll();
    UINT nPosition = 0;
    for (CColumnProperty& prop : contents.columns)
        m_columns.SetAt(nPosition++, prop);

    // Re-reading the files is not a change of the project.
    m_bModified = FALSE;
}

int CProtocolModel::GetColumnCount() { return static_cast<int>(m_columns.GetCount()); }

int CProtocolModel::GetColumnWidth(UINT nPosition)
{
    CColumnProperty prop;
    return m_columns.Lookup(nPosition, prop) ? prop.GetWidth() : 0;
}

void CProtocolModel::SetColumnWidth(UINT nPosition, int nWidth)
{
    CColumnProperty prop;
    if (!m_columns.Lookup(nPosition, prop))
        return;
    prop.SetWidth(nWidth);
    m_columns.SetAt(nPosition, prop);
}

CColumnMap& CProtocolModel::GetColumnMap() { return m_columns; }

CProtocolInfo* CProtocolModel::FindInfo(LPCTSTR pszName)
{
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;) {
        CProtocolInfo* pInfo = m_infos.GetNext(pos);
        if (pInfo->GetName().Compare(pszName) == 0)
            return pInfo;
    }
    return nullptr;
}

std::string CProtocolModel::NameKey(LPCTSTR pszName)
{
    CString key(pszName);
    key.MakeLower();
    return std::string(key.GetString(), key.GetLength());
}

BOOL CProtocolModel::Contains(LPCTSTR pszName)
{
    if (m_pLoadingNames)
        return m_pLoadingNames->count(NameKey(pszName)) ? TRUE : FALSE;
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;)
        if (m_infos.GetNext(pos)->GetName().CompareNoCase(pszName) == 0)
            return TRUE;
    return FALSE;
}

void CProtocolModel::SetSourceFolder(LPCTSTR pszFolder) { m_strSourceFolder = WithTrailingBackslash(CString(pszFolder)); }
void CProtocolModel::SetTargetFolder(LPCTSTR pszFolder) { m_strTargetFolder = WithTrailingBackslash(CString(pszFolder)); }
int CProtocolModel::Reserved() { return 0; }
PFNPROTOCOLCOMPARE CProtocolModel::GetCompareFunc() { return nullptr; }
void CProtocolModel::SetModifiedFlag(BOOL bModified) { m_bModified = bModified; }
CProtocolItem* CProtocolModel::CreateItem() { return nullptr; }

void CProtocolModel::RemoveAll()
{
    while (!m_infos.IsEmpty())
        delete m_infos.RemoveHead();
}

CProtocolInfo* CProtocolModel::CreateInfo(LPCTSTR, LPCTSTR) { return nullptr; }
BOOL CProtocolModel::AddByFileName(LPCTSTR) { return FALSE; }
CProtocolInfoList& CProtocolModel::GetInfoList() { return m_infos; }
int CProtocolModel::GetInfoCount() { return static_cast<int>(m_infos.GetCount()); }
int CProtocolModel::GetSortColumn() { return m_nSortColumn; }

int CProtocolModel::GetSortDirection(UINT nPosition)
{
    CColumnProperty prop;
    return m_columns.Lookup(nPosition, prop) ? prop.GetSortDirection() : 0;
}

void CProtocolModel::SetSortColumn(int nPosition) { m_nSortColumn = nPosition; }

void CProtocolModel::ToggleSortDirection(UINT nPosition)
{
    CColumnProperty prop;
    if (!m_columns.Lookup(nPosition, prop))
        return;
    prop.ToggleSortDirection();
    m_columns.SetAt(nPosition, prop);
}

BOOL CProtocolModel::AddNamedRecord(LPCTSTR pszName)
{
    if (!pszName || !*pszName || Contains(pszName))
        return FALSE;
    auto* pInfo = new CProtocolInfo;
    pInfo->SetName(pszName);
    pInfo->SetFolder(GetSourceFolder());
    AddInfo(pInfo);
    SetModifiedFlag(TRUE);
    return TRUE;
}

void CProtocolModel::AddInfo(CProtocolInfo* pInfo)
{
    if (!pInfo)
        return;
    m_infos.AddTail(pInfo);
    if (m_pLoadingNames)
        m_pLoadingNames->insert(NameKey(pInfo->GetName()));
}
