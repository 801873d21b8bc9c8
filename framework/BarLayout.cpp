#include "framework/BarLayout.h"

#include <algorithm>

CRect TakeBarStrip(RECT& rcFree, SIZE& sizeTotal, DWORD dwStyle, SIZE sizeBar)
{
    CRect rcFreeNow(rcFree);
    CSize size(std::max<LONG>(0, std::min<LONG>(sizeBar.cx, rcFreeNow.Width())),
               std::max<LONG>(0, std::min<LONG>(sizeBar.cy, rcFreeNow.Height())));
    CRect rc = rcFreeNow;
    if (dwStyle & CBRS_ALIGN_TOP) {
        rc.bottom = rc.top + size.cy;
        rcFree.top += size.cy;
    } else if (dwStyle & CBRS_ALIGN_BOTTOM) {
        rc.top = rc.bottom - size.cy;
        rcFree.bottom -= size.cy;
    } else if (dwStyle & CBRS_ALIGN_LEFT) {
        rc.right = rc.left + size.cx;
        rcFree.left += size.cx;
    } else if (dwStyle & CBRS_ALIGN_RIGHT) {
        rc.left = rc.right - size.cx;
        rcFree.right -= size.cx;
    } else {
        return CRect();
    }
    if (IsHorzBarStyle(dwStyle)) {
        sizeTotal.cy += size.cy;
        sizeTotal.cx = std::max(sizeTotal.cx, size.cx);
        rc.right = rc.left + size.cx;
    } else {
        sizeTotal.cx += size.cx;
        sizeTotal.cy = std::max(sizeTotal.cy, size.cy);
        rc.bottom = rc.top + size.cy;
    }
    return rc;
}

namespace DockArray {

int Find(const CPtrArray& arr, const void* p, int nPosExclude)
{
    for (int i = 0; i < arr.GetSize(); i++) {
        if (i != nPosExclude && arr[i] == p)
            return i;
    }
    return -1;
}

int RowStart(const CPtrArray& arr, int nPos)
{
    while (nPos > 0 && arr[nPos - 1] != nullptr)
        --nPos;
    return nPos;
}

int RowEnd(const CPtrArray& arr, int nPos)
{
    while (nPos < arr.GetSize() && arr[nPos] != nullptr)
        ++nPos;
    return nPos;
}

void Normalize(CPtrArray& arr)
{
    if (arr.GetSize() == 0 || arr[0] != nullptr)
        arr.InsertAt(0, (void*)nullptr);
    if (arr[arr.GetSize() - 1] != nullptr)
        arr.Add(nullptr);
}

void RemoveAt(CPtrArray& arr, int nPos, UINT nPlaceholderID)
{
    if (nPos <= 0 || nPos >= arr.GetSize())
        return;
    if (nPlaceholderID != 0) {
        arr[nPos] = Placeholder(nPlaceholderID);
        return;
    }
    arr.RemoveAt(nPos);
    // Two NULLs now meet: the row is gone.
    if (nPos < arr.GetSize() && arr[nPos] == nullptr && arr[nPos - 1] == nullptr)
        arr.RemoveAt(nPos);
    if (arr.GetSize() == 1)
        arr.RemoveAll();
}

void InsertInRow(CPtrArray& arr, int nPos, void* pBar)
{
    Normalize(arr);
    nPos = std::clamp(nPos, 1, arr.GetSize() - 1);
    arr.InsertAt(nPos, pBar);
}

void InsertRow(CPtrArray& arr, int nPos, void* pBar)
{
    Normalize(arr);
    nPos = std::clamp(nPos, 1, arr.GetSize());
    // A new row starts after a NULL.
    if (arr[nPos - 1] != nullptr)
        nPos = RowEnd(arr, nPos) + 1;
    arr.InsertAt(nPos, pBar);
    arr.InsertAt(nPos + 1, (void*)nullptr);
}

int CountBars(const CPtrArray& arr)
{
    int n = 0;
    for (int i = 0; i < arr.GetSize(); i++)
        n += IsBar(arr[i]) ? 1 : 0;
    return n;
}

} // namespace DockArray

namespace {

struct Row
{
    int nFirst = 0;     // first entry
    int nEnd = 0;       // its NULL (or the end)
    int nMinorStart = 0;
    int nMinorEnd = 0;
    bool bShows = false;
};

std::vector<Row> CollectRows(const std::vector<DockItem>& items, CAxis axis)
{
    std::vector<Row> rows;
    Row row;
    row.nFirst = 1;
    for (int i = 1; i <= (int)items.size(); i++) {
        if (i < (int)items.size() && !items[i].bRowEnd) {
            const DockItem& item = items[i];
            if (!item.bVisible)
                continue;
            int a = axis.MinorStart(item.rect), b = axis.MinorEnd(item.rect);
            row.nMinorStart = row.bShows ? std::min(row.nMinorStart, a) : a;
            row.nMinorEnd = row.bShows ? std::max(row.nMinorEnd, b) : b;
            row.bShows = true;
            continue;
        }
        row.nEnd = i;
        if (row.bShows)
            rows.push_back(row);
        row = Row();
        row.nFirst = i + 1;
    }
    return rows;
}

} // namespace

DropPlace FindDropPlace(const std::vector<DockItem>& items, CAxis axis, CPoint pt)
{
    const std::vector<Row> rows = CollectRows(items, axis);
    const int m = axis.Minor(pt);
    for (size_t r = 0; r < rows.size(); r++) {
        const Row& row = rows[r];
        int quarter = (row.nMinorEnd - row.nMinorStart) / 4;
        if (m < row.nMinorStart + quarter)
            return {row.nFirst, true};
        if (m >= row.nMinorEnd - quarter && m < row.nMinorEnd)
            return {row.nEnd + 1, true};
        if (m >= row.nMinorEnd)
            continue;
        // Inside the row: before the first visible bar that starts after pt.
        for (int i = row.nFirst; i < row.nEnd; i++) {
            if (items[i].bVisible && axis.MajorStart(items[i].rect) > axis.Major(pt))
                return {i, false};
        }
        return {row.nEnd, false};
    }
    int nAfterLast = rows.empty() ? 1 : rows.back().nEnd + 1;
    return {std::min<int>(nAfterLast, (int)items.size()), true};
}

CSize LayoutDockRows(std::vector<DockItem>& items, CAxis axis, int nLength)
{
    int nMinor = 0, nMajorUsed = 0;
    size_t i = 1;
    while (i < items.size()) {
        int nCursor = 0, nThick = 0;
        for (; i < items.size() && !items[i].bRowEnd; i++) {
            DockItem& item = items[i];
            if (!item.bVisible)
                continue;
            int nExtent = axis.Major(item.size);
            int nStart = std::max(nCursor, axis.MajorStart(item.rect));
            if (nStart + nExtent > nLength)
                nStart = std::max(nCursor, nLength - nExtent);
            item.rect = axis.MakeRect(nStart, nMinor, nStart + nExtent, nMinor + axis.Minor(item.size));
            nCursor = nStart + nExtent;
            nThick = std::max(nThick, axis.Minor(item.size));
        }
        nMajorUsed = std::max(nMajorUsed, nCursor);
        nMinor += nThick;
        ++i;   // the row's NULL
    }
    return axis.MakeSize(nMajorUsed, nMinor);
}
