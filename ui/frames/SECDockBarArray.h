// A dock bar's bar array, apart from the window: entry 0 is NULL, a NULL
// ends a row (two in a row make an empty row), a value 1..0xFFFF is a
// placeholder (the control id of a bar that left and may come back) and
// any larger value is a bar. SECDockBar keeps its bars in such an array and
// lets this class place, find and remove them; what it needs to know of a
// bar it asks through IDockBarEntries.
//
// Rows are opened by the NULL entries, the array's closing NULL excepted.
#pragma once

#include "framework/BarLayout.h"
#include "framework/Collections.h"
#include "framework/Geometry.h"

#include <vector>

// Where DockControlBarAt puts a bar.
constexpr DWORD DOCKPOS_FROM_LAST_ROW = 0x1; // nRow counts from the last row
constexpr DWORD DOCKPOS_FROM_ROW_END = 0x2;  // nCol counts from the row's end
constexpr DWORD DOCKPOS_OWN_ROW = 0x4;       // a row of its own before row nRow

struct SECDockPos
{
    int nRow = 0;
    int nCol = 0;
    DWORD dwFlags = 0;
};

class IDockBarEntries
{
public:
    virtual ~IDockBarEntries() = default;
    virtual bool IsBarVisible(void* pBar) const = 0;
    // The low 16 bits of the bar window's control id; 0 without a window.
    virtual UINT GetBarId(void* pBar) const = 0;
    // A bar that always has a row of its own.
    virtual bool IsStretchBar(void* pBar) const = 0;
    // The bar's window rectangle in the dock bar's client coordinates.
    virtual CRect GetBarRect(void* pBar) const = 0;
    // The bar's natural thickness across the row.
    virtual int GetNaturalThickness(void* pBar) const = 0;
};

class SECDockBarArray
{
public:
    // bVertical: a left or right dock bar; bFarSide: aligned bottom or right
    // (a change there moves the bars before it, not after).
    SECDockBarArray(CPtrArray& arrBars, const IDockBarEntries& entries, bool bVertical, bool bFarSide)
        : m_arr(arrBars), m_entries(entries), m_bVertical(bVertical), m_bFarSide(bFarSide)
    {
    }

    static bool IsBar(const void* p) { return DockArray::IsBar(p); }
    static bool IsPlaceholder(const void* p) { return DockArray::IsPlaceholder(p); }
    static void* Placeholder(UINT nID) { return DockArray::Placeholder(nID); }

    int GetSize() const { return (int)m_arr.GetSize(); }
    // The bar at an index; NULL for NULL entries, placeholders and indexes
    // outside the array.
    void* GetDockedBar(int nPos) const;
    int FindBar(const void* pBar, int nPosExclude = -1) const;
    int FindPlaceholder(UINT nID, int nPosExclude = -1) const;
    int GetDockedCount() const;
    int GetLastDockedIndex() const;
    void* GetPrevBarInRow(int nPos) const;
    void* GetNextBarInRow(int nPos) const;
    void* GetNextVisibleBarInRow(int nPos) const;
    void* GetFirstBar() const;
    int FindRowSeparator(int nRow) const;
    // The first and past-the-end index of the row holding nPos.
    void GetRowBounds(int nPos, int& nStart, int& nEnd) const;
    std::vector<void*> GetRowBars(const void* pBar) const;

    // The bars whose place a change at nPos moves: after it on a top or
    // left dock bar, before it on a bottom or right one.
    void ListBarsMovedFrom(int nPos, std::vector<void*>& redraw) const;

    int InsertAsFirstRow(void* pBar);
    int InsertInRow(int nPos, void* pBar);
    int InsertBarAt(void* pBar, SECDockPos pos, std::vector<void*>* pRedraw = nullptr);
    int FindInsertPos(const CRect& rect, CPoint ptMid, int nBorder) const;
    // Inserts a dropped bar by position; bQuiet is set when it opened a new
    // last row (the bars may move without redrawing).
    int Insert(void* pBar, const CRect& rect, CPoint ptMid, std::vector<void*>& redraw, bool& bQuiet);
    // Takes the bar out, leaving its placeholder unless the id stands
    // elsewhere already (or is 0). bAlone: it was alone in its row.
    int Remove(void* pBar, int nPosExclude, std::vector<void*>& redraw, bool& bAlone);
    BOOL GetBarPosition(void* pBar, int* pnRow, int* pnCol, int* pnThickness) const;

private:
    // The indexes where rows start (after each NULL but the closing one).
    std::vector<int> RowStarts() const;
    int RowEnd(int nStart) const;
    int InsertWithNulls(int nPos, void* pBar, int nLeadingNulls, int nTrailingNulls);

    CPtrArray& m_arr;
    const IDockBarEntries& m_entries;
    bool m_bVertical;
    bool m_bFarSide;
};
