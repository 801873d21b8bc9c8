#include "framework/Portable.h"
#include "app/dialogs/ColumnChooser.h"
#include "app/dialogs/ListRows.h"

#include <algorithm>
#include <set>
#include <utility>

bool CColumnChooser::IsEnd(const CColumnProperty& column)
{
    return static_cast<int>(column.GetColumnId()) <= 0;
}

CColumnChooser::CColumnChooser(const CColumnProperty* pAllColumns, const CColumnMap& map)
{
    for (const CColumnProperty* p = pAllColumns; p && !IsEnd(*p); ++p)
        m_columns.push_back(*p);

    // Positions in ascending order; files with gaps in their numbering show
    // every column they hold.
    std::vector<std::pair<UINT, CColumnProperty>> entries;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        UINT nPosition = 0;
        CColumnProperty column;
        map.GetNextAssoc(pos, nPosition, column);
        entries.emplace_back(nPosition, column);
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : entries) {
        const int nIndex = FindColumn(entry.second.GetColumnId());
        if (nIndex < 0 || std::find(m_shown.begin(), m_shown.end(), nIndex) != m_shown.end())
            continue;
        m_columns[nIndex] = entry.second;
        m_shown.push_back(nIndex);
    }
    for (int i = 0; i < GetColumnCount(); ++i) {
        if (std::find(m_shown.begin(), m_shown.end(), i) == m_shown.end())
            InsertAvailable(i);
    }
}

int CColumnChooser::FindColumn(UINT nColumnId) const
{
    for (int i = 0; i < GetColumnCount(); ++i) {
        if (m_columns[i].GetColumnId() == nColumnId)
            return i;
    }
    return -1;
}

void CColumnChooser::InsertAvailable(int nIndex)
{
    const CString& strDescription = m_columns[nIndex].GetDescription();
    auto it = std::find_if(m_available.begin(), m_available.end(), [&](int nOther) {
        return m_columns[nOther].GetDescription().CompareNoCase(strDescription) > 0;
    });
    m_available.insert(it, nIndex);
}

void CColumnChooser::Add(const std::vector<int>& rows)
{
    std::vector<int> moving;
    for (int nRow : RowsFromLast(rows, m_available.size())) {
        moving.insert(moving.begin(), m_available[nRow]);
        m_available.erase(m_available.begin() + nRow);
    }
    m_shown.insert(m_shown.end(), moving.begin(), moving.end());
    if (!moving.empty())
        m_bModified = TRUE;
}

int CColumnChooser::Remove(const std::vector<int>& rows)
{
    int nRefused = 0;
    for (int nRow : RowsFromLast(rows, m_shown.size())) {
        const int nIndex = m_shown[nRow];
        if (m_columns[nIndex].GetColumnId() == FIXED_COLUMN_ID) {
            ++nRefused;
            continue;
        }
        m_shown.erase(m_shown.begin() + nRow);
        InsertAvailable(nIndex);
        m_bModified = TRUE;
    }
    return nRefused;
}

void CColumnChooser::Store(CColumnMap& map) const
{
    if (!m_bModified)
        return;
    map.RemoveAll();
    std::set<UINT> stored;
    UINT nPosition = 0;
    for (int nIndex : m_shown) {
        CColumnProperty column = m_columns[nIndex];
        if (!stored.insert(column.GetColumnId()).second)
            continue;
        map.SetAt(nPosition++, column);
    }
}
