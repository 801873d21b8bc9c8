#include "framework/Portable.h"
#include "app/dialogs/ProtocolSelection.h"
#include "app/dialogs/FolderFiles.h"
#include "app/dialogs/ListRows.h"
#include "app/project/ProtocolModel.h"
#include "framework/HostServices.h"

#include <algorithm>
#include <exception>
#include <utility>

CProtocolSelection::CProtocolSelection(FolderLister listFolder)
    : m_listFolder(std::move(listFolder))
{
}

CString CProtocolSelection::ScanPattern(const CString& strSourceFolder, const CString& strExtension)
{
    CString strPattern;
    strPattern.Format("%s*%s", static_cast<LPCTSTR>(strSourceFolder), static_cast<LPCTSTR>(strExtension));
    return strPattern;
}

CProtocolSelection::FolderLister CProtocolSelection::FilesMatching(const CString& strPattern)
{
    return [strPattern] { return ListFileNames(strPattern); };
}

void CProtocolSelection::SetSelected(const std::vector<CString>& names)
{
    m_selected.clear();
    for (const CString& strName : names) {
        if (!strName.IsEmpty() && !IsSelected(strName))
            InsertSelected(strName);
    }
}

BOOL CProtocolSelection::IsSelected(const CString& strName) const
{
    return std::any_of(m_selected.begin(), m_selected.end(),
                       [&](const CString& strOther) { return strOther.CompareNoCase(strName) == 0; });
}

void CProtocolSelection::InsertSelected(const CString& strName)
{
    m_selected.insert(std::upper_bound(m_selected.begin(), m_selected.end(), strName, NameLess), strName);
}

void CProtocolSelection::RefillAvailable()
{
    m_available.clear();
    std::vector<CString> names = m_listFolder ? m_listFolder() : std::vector<CString>();
    std::sort(names.begin(), names.end(), NameLess);
    for (const CString& strName : names) {
        if (!IsSelected(strName))
            m_available.push_back(strName);
    }
}

void CProtocolSelection::Add(const std::vector<int>& availableRows)
{
    for (int nRow : RowsFromLast(availableRows, m_available.size())) {
        InsertSelected(m_available[nRow]);
        m_available.erase(m_available.begin() + nRow);
    }
}

void CProtocolSelection::AddAll()
{
    for (const CString& strName : m_available)
        InsertSelected(strName);
    m_available.clear();
}

// One scan after the removal leaves the folder's list as a scan after each
// removed row would.
void CProtocolSelection::Remove(const std::vector<int>& selectedRows)
{
    const std::vector<int> rows = RowsFromLast(selectedRows, m_selected.size());
    for (int nRow : rows)
        m_selected.erase(m_selected.begin() + nRow);
    if (!rows.empty())
        RefillAvailable();
}

void CProtocolSelection::RemoveAll()
{
    if (m_selected.empty())
        return;
    m_selected.clear();
    RefillAvailable();
}

void CProtocolSelection::ApplyTo(CProtocolModel& model) const
{
    model.RemoveAll();
    if (m_selected.empty())
        return;
    // A file the family cannot read costs only its own record: the others
    // are added before the first failure goes on to the caller.
    std::exception_ptr pFirstFailure;
    {
        const int nCount = static_cast<int>(m_selected.size());
        ProgressScope progress("Scanning files:", 0, nCount, 10);
        for (int i = 0; i < nCount; ++i) {
            progress.SetPos(i);
            try {
                model.AddByFileName(m_selected[i]);
            } catch (...) {
                if (!pFirstFailure)
                    pFirstFailure = std::current_exception();
            }
        }
    }
    if (pFirstFailure)
        std::rethrow_exception(pFirstFailure);
}
