#include "framework/Portable.h"
#include "conversion/ConversionModel.h"
#include "app/project/FolderSettings.h"
#include "app/project/ProtocolItem.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionItem.h"
#include "framework/HostServices.h"
#include "framework/PathNames.h"

#include "framework/OsFile.h"

#include <algorithm>

IMPLEMENT_SERIAL(CConversionModel, CProtocolModel, VERSIONABLE_SCHEMA)

namespace {

const char kDefaultDataFolder[] = "C:\\GVX7000\\Data\\";

} // namespace

CConversionModel::CConversionModel()
    : CProtocolModel(256)
{
    CProfileStore& profile = GetHostServices().Profile();
    SetSourceFolder(CFolderSettings::Read(profile, "ImportData", kDefaultDataFolder));
    SetTargetFolder(CFolderSettings::Read(profile, "ConversionOutput", kDefaultDataFolder));
    ResetColumns();
}

CConversionModel::~CConversionModel()
{
    RemoveAll();
}

// Projects saved before the conversion family had its own classes carry
// columns it does not know: they get the default layout.
void CConversionModel::Serialize(CArchive& ar)
{
    CProtocolModel::Serialize(ar);
    if (!ar.IsStoring() && !HasOnlyKnownColumns())
        ResetColumns();
}

bool CConversionModel::HasOnlyKnownColumns()
{
    if (m_columns.IsEmpty())
        return false;
    for (POSITION pos = m_columns.GetStartPosition(); pos != nullptr;) {
        UINT nPosition = 0;
        CColumnProperty prop;
        m_columns.GetNextAssoc(pos, nPosition, prop);
        if (!FindConversionColumn(prop.GetColumnId()))
            return false;
    }
    return true;
}

void CConversionModel::ResetColumns()
{
    m_columns.RemoveAll();
    UINT nPosition = 0;
    for (UINT nId : kDefaultConversionColumns) {
        CColumnProperty prop = *FindConversionColumn(nId);
        m_columns.SetAt(nPosition++, prop);
    }
}

std::string CConversionModel::TitleKey(const CString& strTitle)
{
    CString key(strTitle);
    key.MakeLower();
    return std::string(key.GetString(), key.GetLength());
}

void CConversionModel::IndexTitle(const CString& strTitle, int nDelta)
{
    const std::string key = TitleKey(strTitle);
    int& nCount = m_titles[key];
    nCount += nDelta;
    if (nCount <= 0)
        m_titles.erase(key);
}

CString CConversionModel::ExtractFolder(const CString& strPath)
{
    return FolderPart(strPath);
}

CString CConversionModel::ExtractTitle(const CString& strPath)
{
    const CString strName = FileNamePart(strPath);
    const int nDot = strName.Find('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

BOOL CConversionModel::Contains(LPCTSTR pszPath)
{
    return m_titles.count(TitleKey(ExtractTitle(pszPath))) ? TRUE : FALSE;
}

CConversionInfo* CConversionModel::FindByTitle(const CString& strTitle)
{
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;) {
        auto* pInfo = static_cast<CConversionInfo*>(m_infos.GetNext(pos));
        if (pInfo->GetTitle().CompareNoCase(strTitle) == 0)
            return pInfo;
    }
    return nullptr;
}

CProtocolItem* CConversionModel::CreateItem() { return new CConversionItem; }

CProtocolInfo* CConversionModel::CreateInfo(LPCTSTR, LPCTSTR pszPath)
{
    const CString strPath(pszPath);
    auto* pInfo = new CConversionInfo;
    pInfo->SetFolder(ExtractFolder(strPath));
    pInfo->SetTitle(ExtractTitle(strPath));
    pInfo->SetCaption(ExtractTitle(strPath));
    pInfo->SetName(strPath);
    pInfo->ReadHeader();
    return pInfo;
}

// A name without a folder (as the generic project kept them) is a file of
// the source folder.
BOOL CConversionModel::AddByFileName(LPCTSTR pszPath)
{
    CString strPath(pszPath ? pszPath : "");
    if (strPath.IsEmpty() || Contains(strPath))
        return FALSE;
    if (ExtractFolder(strPath).IsEmpty())
        strPath = GetSourceFolder() + strPath;
    auto* pInfo = static_cast<CConversionInfo*>(CreateInfo(GetSourceFolder(), strPath));
    AddInfo(pInfo);
    IndexTitle(pInfo->GetTitle(), +1);
    return TRUE;
}

namespace {

// The paths of the records that cannot be read, with what is wrong; empty
// when all can be.
CString DescribeUnreadable(const std::vector<CConversionInfo*>& infos)
{
    const size_t nShown = 15;   // a message box taller than the screen hides its button
    std::vector<CConversionInfo*> unreadable;
    for (CConversionInfo* pInfo : infos)
        if (pInfo->GetStatusIcon() != 0)
            unreadable.push_back(pInfo);
    if (unreadable.empty())
        return CString();
    CString strReport;
    strReport.Format("%u data file(s) cannot be read; the list marks them:\n\n",
                     static_cast<UINT>(unreadable.size()));
    for (size_t i = 0; i < unreadable.size() && i < nShown; ++i) {
        strReport += unreadable[i]->GetPath();
        strReport += unreadable[i]->GetStatusIcon() == 1 ? ": missing or cannot be opened\n"
                                                         : ": empty or not a data file\n";
    }
    if (unreadable.size() > nShown) {
        CString strMore;
        strMore.Format("... and %u more.\n", static_cast<UINT>(unreadable.size() - nShown));
        strReport += strMore;
    }
    return strReport;
}

} // namespace

ConversionAddSummary CConversionModel::AddPaths(CStringList* pPaths)
{
    ConversionAddSummary summary;
    if (!pPaths || pPaths->IsEmpty())
        return summary;
    const int nPaths = static_cast<int>(pPaths->GetCount());
    ProgressScope progress("Scanning files:", 0, nPaths, 10);
    int nDone = 0;
    std::vector<CConversionInfo*> added;
    for (POSITION pos = pPaths->GetHeadPosition(); pos != nullptr;) {
        const CString& strPath = pPaths->GetNext(pos);
        progress.SetPos(nDone++);
        if (strPath.IsEmpty())
            continue;
        if (AddByFileName(strPath)) {
            ++summary.nAdded;
            added.push_back(static_cast<CConversionInfo*>(m_infos.GetTail()));
        } else {
            ++summary.nRejected;
        }
    }
    summary.strUnreadable = DescribeUnreadable(added);
    return summary;
}

void CConversionModel::AddFiles(CStringList* pPaths)
{
    WaitCursorScope wait;
    if (!pPaths || pPaths->IsEmpty())
        return;
    m_lastSummary = AddPaths(pPaths);
    CString strMessage;
    strMessage.Format("%u files added.\n%u files rejected.\n%u files replaced.", m_lastSummary.nAdded,
                      m_lastSummary.nRejected, m_lastSummary.nReplaced);
    if (!m_lastSummary.strUnreadable.IsEmpty())
        strMessage += "\n\n" + m_lastSummary.strUnreadable;
    GetHostServices().ReportError(strMessage, HostIcon::Information);
    if (m_lastSummary.nAdded > 0)
        SetModifiedFlag(TRUE);
}

CString CConversionModel::UnreadableFilesReport()
{
    std::vector<CConversionInfo*> infos;
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;)
        infos.push_back(static_cast<CConversionInfo*>(m_infos.GetNext(pos)));
    return DescribeUnreadable(infos);
}

BOOL CConversionModel::RemoveByName(LPCTSTR pszPath)
{
    PurgeRemoved();
    const CString strTitle = ExtractTitle(pszPath ? pszPath : "");
    for (POSITION pos = m_infos.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        auto* pInfo = static_cast<CConversionInfo*>(m_infos.GetNext(pos));
        if (pInfo->GetTitle() != strTitle)
            continue;
        m_infos.RemoveAt(current);
        IndexTitle(pInfo->GetTitle(), -1);
        if (pInfo->GetObserverCount() > 0)
            m_removed.emplace_back(pInfo);
        else
            delete pInfo;
        return TRUE;
    }
    return FALSE;
}

void CConversionModel::PurgeRemoved()
{
    m_removed.erase(std::remove_if(m_removed.begin(), m_removed.end(),
                                   [](const std::unique_ptr<CConversionInfo>& p) { return p->GetObserverCount() == 0; }),
                    m_removed.end());
}

void CConversionModel::RemoveAll()
{
    CProtocolModel::RemoveAll();
    m_titles.clear();
}

PFNPROTOCOLCOMPARE CConversionModel::GetCompareFunc() { return &CConversionModel::CompareItems; }

int CConversionModel::CompareInfos(CConversionInfo& a, CConversionInfo& b)
{
    const int nPosition = GetSortColumn();
    CColumnProperty prop;
    if (nPosition < 0 || !m_columns.Lookup(static_cast<UINT>(nPosition), prop))
        return 0;
    return CompareConversionInfos(a, b, prop.GetColumnId()) * prop.GetSortDirection();
}

int CALLBACK CConversionModel::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pModel = dynamic_cast<CConversionModel*>(reinterpret_cast<CProtocolModel*>(lParamSort));
    auto* pItem1 = reinterpret_cast<CProtocolItem*>(lParam1);
    auto* pItem2 = reinterpret_cast<CProtocolItem*>(lParam2);
    if (!pModel || !pItem1 || !pItem2)
        return 0;
    auto* pInfo1 = dynamic_cast<CConversionInfo*>(pItem1->GetSubject());
    auto* pInfo2 = dynamic_cast<CConversionInfo*>(pItem2->GetSubject());
    if (!pInfo1 || !pInfo2)
        return 0;
    return pModel->CompareInfos(*pInfo1, *pInfo2);
}

namespace {

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return OsFile::GetAttributes(strPath, dwAttributes);
}

} // namespace

CConversionModel::RenameResult CConversionModel::RenameDataFile(CConversionInfo* pInfo, const CString& strNewTitle)
{
    if (!pInfo || strNewTitle.IsEmpty() || strNewTitle.FindOneOf(".\\/:") >= 0)
        return RENAME_FAILED;
    CConversionInfo* pHolder = FindByTitle(strNewTitle);
    if (pHolder && pHolder != pInfo)
        return RENAME_TITLE_TAKEN;
    const CString strOldPath = pInfo->GetPath();
    const CString strNewPath = pInfo->GetFolder() + strNewTitle + ".G7K";
    OsFile::Error error;
    if (!OsFile::Rename(strOldPath, strNewPath, error))
        return RENAME_FAILED;
    const CString strOldLog = CConversionInfo::LogFileOf(strOldPath);
    if (PathExists(strOldLog))
        OsFile::Rename(strOldLog, CConversionInfo::LogFileOf(strNewPath), error);
    if (!PathExists(strNewPath))
        return RENAME_FAILED;
    RemoveByName(pInfo->GetTitle());
    AddByFileName(strNewPath);
    return RENAME_OK;
}
