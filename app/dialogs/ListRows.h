// Row numbers of a multiple-selection list, for rules that erase rows.
#pragma once

#include <set>
#include <vector>

// The valid rows, each once, from the last to the first, so erasing one
// leaves the numbers of the others as they were.
inline std::vector<int> RowsFromLast(const std::vector<int>& rows, size_t nRowCount)
{
    std::set<int> unique;
    for (int nRow : rows) {
        if (nRow >= 0 && static_cast<size_t>(nRow) < nRowCount)
            unique.insert(nRow);
    }
    return std::vector<int>(unique.rbegin(), unique.rend());
}
