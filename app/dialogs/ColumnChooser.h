// The rules of the list properties dialog: which columns a project list
// shows and in which order. It works on copies of the caller's table of all
// columns; the shown ones take their settings from the caller's column map.
// The column with id 1 always stays shown. Writing back numbers the map's
// positions 0, 1, 2... without gaps.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"

#include <vector>

class CColumnChooser
{
public:
    static constexpr UINT FIXED_COLUMN_ID = 1;

    // The table ends at the first entry whose id is 0 or less (as a signed
    // number); a null table has no columns.
    CColumnChooser(const CColumnProperty* pAllColumns, const CColumnMap& map);

    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const CColumnProperty& GetColumn(int nIndex) const { return m_columns[nIndex]; }
    // Indices of the columns, in display order and in description order.
    const std::vector<int>& Shown() const { return m_shown; }
    const std::vector<int>& Available() const { return m_available; }

    // Moves the given rows of Available to the end of Shown, in row order.
    void Add(const std::vector<int>& rows);
    // Moves the given rows of Shown back; the fixed column stays. Returns
    // how many rows stayed for that reason.
    int Remove(const std::vector<int>& rows);
    BOOL IsModified() const { return m_bModified; }

    // Rewrites the map from the shown columns when anything moved; leaves
    // it as it is otherwise.
    void Store(CColumnMap& map) const;

private:
    int FindColumn(UINT nColumnId) const;
    void InsertAvailable(int nIndex);
    static bool IsEnd(const CColumnProperty& column);

    std::vector<CColumnProperty> m_columns;
    std::vector<int> m_shown;
    std::vector<int> m_available;
    BOOL m_bModified = FALSE;
};
