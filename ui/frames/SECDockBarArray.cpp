#include "ui/frames/SECDockBarArray.h"

#include <algorithm>

void* SECDockBarArray::GetDockedBar(int nPos) const
{
    if (nPos < 0 || nPos >= GetSize())
        return nullptr;
    void* p = m_arr[nPos];
    return IsBar(p) ? p : nullptr;
}

int SECDockBarArray::FindBar(const void* pBar, int nPosExclude) const
{
    for (int i = 0; i < GetSize(); ++i)
        if (i != nPosExclude && m_arr[i] == pBar)
            return i;
    return -1;
}

int SECDockBarArray::FindPlaceholder(UINT nID, int nPosExclude) const
{
    if ((nID & 0xFFFF) == 0)
        return -1;
    return FindBar(Placeholder(nID), nPosExclude);
}

int SECDockBarArray::GetDockedCount() const
{
    int n = 0;
    for (int i = 0; i < GetSize(); ++i)
        n += GetDockedBar(i) ? 1 : 0;
    return n;
}

int SECDockBarArray::GetLastDockedIndex() const
{
    for (int i = GetSize() - 1; i >= 0; --i)
        if (GetDockedBar(i))
            return i;
    return -1;
}

void* SECDockBarArray::GetPrevBarInRow(int nPos) const
{
    for (int i = nPos - 1; i >= 0 && m_arr[i]; --i)
        if (void* p = GetDockedBar(i))
            return p;
    return nullptr;
}

void* SECDockBarArray::GetNextBarInRow(int nPos) const
{
    for (int i = nPos + 1; i < GetSize() && m_arr[i]; ++i)
        if (void* p = GetDockedBar(i))
            return p;
    return nullptr;
}

void* SECDockBarArray::GetNextVisibleBarInRow(int nPos) const
{
    for (int i = nPos + 1; i < GetSize() && m_arr[i]; ++i)
        if (void* p = GetDockedBar(i); p && m_entries.IsBarVisible(p))
            return p;
    return nullptr;
}

void* SECDockBarArray::GetFirstBar() const { return GetSize() < 2 ? nullptr : GetDockedBar(1); }

int SECDockBarArray::FindRowSeparator(int nRow) const
{
    int nFound = 0;
    int nLast = 0;
    for (int i = 0; i < GetSize(); ++i) {
        if (m_arr[i])
            continue;
        nLast = i;
        if (nFound++ == nRow)
            return i;
    }
    return nLast;
}

void SECDockBarArray::GetRowBounds(int nPos, int& nStart, int& nEnd) const
{
    nStart = nPos;
    while (nStart > 0 && m_arr[nStart - 1])
        --nStart;
    nEnd = RowEnd(nPos);
}

int SECDockBarArray::RowEnd(int nStart) const
{
    int i = nStart;
    while (i < GetSize() && m_arr[i])
        ++i;
    return i;
}

std::vector<void*> SECDockBarArray::GetRowBars(const void* pBar) const
{
    std::vector<void*> bars;
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return bars;
    int nStart = 0, nEnd = 0;
    GetRowBounds(nPos, nStart, nEnd);
    for (int i = nStart; i < nEnd; ++i)
        if (void* p = GetDockedBar(i))
            bars.push_back(p);
    return bars;
}

void SECDockBarArray::ListBarsMovedFrom(int nPos, std::vector<void*>& redraw) const
{
    const int nFrom = m_bFarSide ? 0 : std::max(nPos, 0);
    const int nTo = m_bFarSide ? std::min(nPos, GetSize()) : GetSize();
    for (int i = nFrom; i < nTo; ++i)
        if (void* p = GetDockedBar(i))
            redraw.push_back(p);
}

std::vector<int> SECDockBarArray::RowStarts() const
{
    std::vector<int> starts;
    for (int i = 0; i + 1 < GetSize(); ++i)
        if (!m_arr[i])
            starts.push_back(i + 1);
    return starts;
}

int SECDockBarArray::InsertWithNulls(int nPos, void* pBar, int nLeadingNulls, int nTrailingNulls)
{
    for (int i = 0; i < nTrailingNulls; ++i)
        m_arr.InsertAt(nPos, (void*)nullptr);
    m_arr.InsertAt(nPos, pBar);
    for (int i = 0; i < nLeadingNulls; ++i)
        m_arr.InsertAt(nPos, (void*)nullptr);
    return nPos + nLeadingNulls;
}

int SECDockBarArray::InsertAsFirstRow(void* pBar)
{
    if (!pBar)
        return -1;
    if (GetSize() == 0)
        m_arr.Add(nullptr);
    int nPos = 0;
    while (nPos < GetSize() && !m_arr[nPos])
        ++nPos;
    // A NULL must open the array.
    if (nPos == 0)
        return InsertWithNulls(0, pBar, 1, 1);
    return InsertWithNulls(nPos, pBar, 0, 1);
}

int SECDockBarArray::InsertInRow(int nPos, void* pBar)
{
    m_arr.InsertAt(nPos, pBar);
    const bool bStretch = m_entries.IsStretchBar(pBar);
    auto mustSplit = [&](int nNeighbour) {
        void* p = GetDockedBar(nNeighbour);
        return p && (bStretch || m_entries.IsStretchBar(p));
    };
    if (mustSplit(nPos + 1))
        m_arr.InsertAt(nPos + 1, (void*)nullptr);
    if (mustSplit(nPos - 1)) {
        m_arr.InsertAt(nPos, (void*)nullptr);
        ++nPos;
    }
    return nPos;
}

int SECDockBarArray::InsertBarAt(void* pBar, SECDockPos pos, std::vector<void*>* pRedraw)
{
    if (GetSize() == 0)
        m_arr.Add(nullptr);
    if (GetSize() == 1) {
        m_arr.Add(pBar);
        m_arr.Add(nullptr);
        if (pRedraw)
            pRedraw->push_back(pBar);
        return 1;
    }

    const std::vector<int> starts = RowStarts();
    const int nRows = (int)starts.size();
    int nLeading = 0, nTrailing = 0;
    int k = -1;
    const bool bFromLast = (pos.dwFlags & DOCKPOS_FROM_LAST_ROW) != 0;
    int nRowIndex = -1;
    if (!bFromLast && pos.nRow < 0) {
        k = 1;
        nTrailing = -pos.nRow - 1;
    } else if (!bFromLast) {
        if (pos.nRow < nRows)
            nRowIndex = pos.nRow;
        else
            pos = SECDockPos{pos.nRow - nRows + 1, 0, DOCKPOS_FROM_LAST_ROW};
    } else if (pos.nRow <= 0) {
        const int nIndex = nRows - 1 + pos.nRow;
        if (nIndex >= 0) {
            nRowIndex = nIndex;
        } else {
            k = 1;
            nTrailing = -nIndex; // {-1 - c}: a new row before the first, c - 1 empty rows after it
        }
    }
    if (k < 0 && nRowIndex < 0) {
        // A new last row, after nRow - 1 empty ones.
        k = GetSize();
        nLeading = pos.nRow - 1;
        nTrailing = 1;
    } else if (k < 0) {
        const int i = starts[(size_t)nRowIndex];
        const int nEnd = RowEnd(i);
        const bool bFromEnd = (pos.dwFlags & DOCKPOS_FROM_ROW_END) != 0;
        if (pos.dwFlags & DOCKPOS_OWN_ROW) {
            k = i;
            nTrailing = 1;
        } else if (i == nEnd || (!bFromEnd && pos.nCol <= 0)) {
            k = i;
        } else if (!bFromEnd) {
            k = nEnd;
            int nSeen = 0;
            for (int j = i; j < nEnd; ++j) {
                void* p = GetDockedBar(j);
                if (!p || !m_entries.IsBarVisible(p))
                    continue;
                if (nSeen++ == pos.nCol) {
                    k = j;
                    break;
                }
            }
        } else if (pos.nCol > 0) {
            k = nEnd;
        } else {
            k = i;
            int nSeen = 0;
            for (int j = nEnd - 1; j >= i; --j) {
                void* p = GetDockedBar(j);
                if (!p || !m_entries.IsBarVisible(p))
                    continue;
                if (nSeen++ == -pos.nCol) {
                    k = j;
                    break;
                }
            }
        }
    }
    if (pRedraw) {
        pRedraw->push_back(pBar);
        if (void* p = GetDockedBar(k))
            pRedraw->push_back(p);
    }
    return InsertWithNulls(k, pBar, nLeading, nTrailing);
}

int SECDockBarArray::FindInsertPos(const CRect& rect, CPoint ptMid, int nBorder) const
{
    const CAxis across = m_bVertical ? CAxis::Horizontal() : CAxis::Vertical();
    int nThickness = 0, nTotal = 0, nAnswer = 0;
    for (int i = 0; i < GetSize(); ++i) {
        void* p = GetDockedBar(i);
        if (p && m_entries.IsBarVisible(p)) {
            const CRect rcBar = m_entries.GetBarRect(p);
            nThickness = std::max(nThickness, across.MajorExtent(rcBar) - (m_bVertical ? 1 : 0));
            if (across.Across().MajorStart(rect) > across.Across().MajorStart(rcBar))
                nAnswer = i;
            continue;
        }
        nTotal += nThickness - nBorder;
        nThickness = 0;
        if (across.Major(ptMid) < nTotal) {
            if (i == 0)
                return 0;
            break;
        }
        nAnswer = i;
    }
    return nAnswer + 1;
}

int SECDockBarArray::Insert(void* pBar, const CRect& rect, CPoint ptMid, std::vector<void*>& redraw, bool& bQuiet)
{
    redraw.push_back(pBar);
    const CAxis along = m_bVertical ? CAxis::Vertical() : CAxis::Horizontal();
    const CAxis across = along.Across();
    for (int i = 0; i < GetSize(); ++i) {
        void* p = GetDockedBar(i);
        if (!p || p == pBar)
            continue;
        const CRect rcBar = m_entries.GetBarRect(p);
        if (across.Major(ptMid) > across.MajorEnd(rcBar))
            continue;
        if (across.Major(ptMid) < across.MajorStart(rcBar)) {
            // Above this bar's row: a new row just before it (the first row
            // when the point lies above every row).
            int nStart = 0, nEnd = 0;
            GetRowBounds(i, nStart, nEnd);
            ListBarsMovedFrom(nStart, redraw);
            return nStart <= 1 ? InsertAsFirstRow(pBar) : InsertWithNulls(nStart, pBar, 0, 1);
        }
        int k = -1;
        if (along.MajorStart(rect) < along.MajorStart(rcBar) || (!m_bVertical && !m_entries.IsBarVisible(p)))
            k = i;
        else if (!GetDockedBar(i + 1))
            k = i + 1;
        if (k < 0)
            continue;
        ListBarsMovedFrom(k, redraw);
        return InsertInRow(k, pBar);
    }
    // Below every row, or nothing docked: a new last row.
    const int nLast = GetLastDockedIndex();
    ListBarsMovedFrom(nLast + 2, redraw);
    m_arr.SetSize(nLast + 5);
    m_arr[nLast + 1] = nullptr;
    m_arr[nLast + 2] = pBar;
    m_arr[nLast + 3] = nullptr;
    m_arr[nLast + 4] = nullptr;
    bQuiet = true;
    return nLast + 2;
}

int SECDockBarArray::Remove(void* pBar, int nPosExclude, std::vector<void*>& redraw, bool& bAlone)
{
    const int k = FindBar(pBar, nPosExclude);
    if (k < 0)
        return -1;
    bAlone = !GetPrevBarInRow(k) && !GetNextBarInRow(k);
    if (bAlone)
        ListBarsMovedFrom(k, redraw);
    const UINT nID = m_entries.GetBarId(pBar) & 0xFFFF;
    if (nID != 0 && FindPlaceholder(nID, k) < 0) {
        m_arr[k] = Placeholder(nID);
        return k;
    }
    m_arr.RemoveAt(k);
    // No empty row is left where the bar was alone.
    if (k < GetSize() && k > 0 && !m_arr[k] && !m_arr[k - 1])
        m_arr.RemoveAt(k);
    return k;
}

BOOL SECDockBarArray::GetBarPosition(void* pBar, int* pnRow, int* pnCol, int* pnThickness) const
{
    if (!pBar || !m_entries.IsBarVisible(pBar) || GetDockedCount() == 0)
        return FALSE;
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return FALSE;
    int nFirst = 0;
    while (nFirst < GetSize() && !GetDockedBar(nFirst))
        ++nFirst;
    int nRow = 0, nCol = 0;
    for (int i = nFirst; i < nPos; ++i) {
        if (!m_arr[i]) {
            ++nRow;
            nCol = 0;
        } else if (GetDockedBar(i)) {
            ++nCol;
        }
    }
    int nThickness = 0;
    for (int i = nPos; i < GetSize() && m_arr[i]; ++i)
        if (void* p = GetDockedBar(i))
            nThickness = std::max(nThickness, m_entries.GetNaturalThickness(p));
    if (pnRow)
        *pnRow = nRow;
    if (pnCol)
        *pnCol = nCol;
    if (pnThickness)
        *pnThickness = nThickness;
    return TRUE;
}
