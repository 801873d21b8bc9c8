// The arithmetic of the control-bar protocol, apart from the windows: the
// strip a bar takes from its frame's free rectangle, the dock bar's array of
// bars, row ends and placeholders, where a dropped bar goes, and how a dock
// bar lays out its rows. The window classes (CControlBar, CDockBar) only
// gather sizes and move windows.
#pragma once

#include "framework/BarStyles.h"
#include "framework/Collections.h"
#include "framework/Geometry.h"

#include <vector>

// WM_SIZEPARENT: a visible bar takes a strip of rcFree along the side its
// alignment names, at most the free size; sizeTotal grows by it. Returns the
// bar's rectangle (empty for a bar without an alignment side).
CRect TakeBarStrip(RECT& rcFree, SIZE& sizeTotal, DWORD dwStyle, SIZE sizeBar);

// The dock bar's array (CDockBar::m_arrBars). Entry 0 is NULL, a NULL ends
// a row, a value 1..0xFFFF is a placeholder (the id of a bar that left and
// may come back), anything larger is a bar.
namespace DockArray {

inline bool IsPlaceholder(const void* p) { return (UINT_PTR)p != 0 && (UINT_PTR)p <= 0xFFFF; }
inline bool IsBar(const void* p) { return (UINT_PTR)p > 0xFFFF; }
inline void* Placeholder(UINT nID) { return (void*)(UINT_PTR)(nID & 0xFFFF); }

// The index of p, skipping nPosExclude; -1 when absent.
int Find(const CPtrArray& arr, const void* p, int nPosExclude = -1);
// The first entry of the row holding nPos, and the NULL that ends it.
int RowStart(const CPtrArray& arr, int nPos);
int RowEnd(const CPtrArray& arr, int nPos);
// Entry 0 is NULL and a non-empty array ends with NULL.
void Normalize(CPtrArray& arr);
// Takes the entry at nPos out: a placeholder with nPlaceholderID stays when
// that is not 0; a row left with nothing in it disappears.
void RemoveAt(CPtrArray& arr, int nPos, UINT nPlaceholderID);
// A bar into row nRowStart (an index just after a NULL) before nPos, or as a
// row of its own placed at nPos.
void InsertInRow(CPtrArray& arr, int nPos, void* pBar);
void InsertRow(CPtrArray& arr, int nPos, void* pBar);
// Bars counted (placeholders and row ends are not).
int CountBars(const CPtrArray& arr);

} // namespace DockArray

// What the layout needs of one array entry. For a row end or a placeholder
// only bRowEnd matters (a placeholder is an invisible entry).
struct DockItem
{
    bool bRowEnd = false;
    bool bVisible = false;
    CRect rect;        // the bar's present place in the dock bar's client area
    CSize size;        // the size it asks for in this dock bar
};

// Where a bar dropped at pt (dock bar client coordinates) goes: into a row,
// before the first bar that starts after pt, or as a new row when pt lies
// in the outer quarter of a row next to a neighbour, before the first row or
// after the last. Rows that show nothing take no space and are skipped.
struct DropPlace
{
    int nIndex = 0;        // array index to insert at
    bool bNewRow = true;   // a row of its own at nIndex
};
DropPlace FindDropPlace(const std::vector<DockItem>& items, CAxis axis, CPoint pt);

// The rows of a dock bar laid out along axis within nLength: each visible
// bar keeps its present start along the row when that leaves it inside the
// row and after the bar before it, otherwise it follows the one before;
// a bar that would run past the end is pulled back to end there but never
// over its neighbour. Rows stack across the axis, each as thick as its
// thickest bar. Fills item rects; returns the space used (major, minor).
CSize LayoutDockRows(std::vector<DockItem>& items, CAxis axis, int nLength);
