// The arithmetic of the workbook's tab row: how wide the tabs are, the
// outline of one tab, where its text goes, the text shortened to fit, the
// rectangle to repaint for a tab and whether a point lies on a tab.
#pragma once

#include "framework/Geometry.h"
#include "framework/String.h"

#include <array>
#include <functional>

struct WorkbookTabMetrics
{
    int nTabWidth = 100;
    int nTabHeight = 23;
    int nSlant = 2;
    int nActiveWidening = 4;
    int nActiveDrop = 2;
    int nLargestTabWidth = 90;
};

// The client's width plus 5 shared by the sheets, at most nLargest; with
// no sheets the largest width (there is nothing to share it between).
int WorkbookTabWidth(int cxClient, int nSheets, int nLargest);

using TabPolygon = std::array<CPoint, 7>;

// The outline of the tab at visible position k, the last point closing it.
// nLeft is the MDI client's left edge, nBase its bottom edge + 4 (frame
// coordinates); the active tab is wider and deeper.
TabPolygon WorkbookTabPolygon(const WorkbookTabMetrics& metrics, int k, bool bActive, int nLeft, int nBase);

// The text rectangle of a tab after its icon.
CRect WorkbookTabTextRect(const TabPolygon& points, int cxIcon);

// The text shortened while it has at least 4 characters and does not fit,
// each step cutting one more character and ending the text in "...".
CString ShortenTabText(const CString& strText, const std::function<bool(const CString&)>& fits);

// What to repaint for the tab at position k: one tab, or from it to nRight.
CRect WorkbookTabInvalidRect(const WorkbookTabMetrics& metrics, int k, int nLeft, int nBase, bool bToRight, int nRight);

// Whether pt lies inside the tab's outline.
bool PointInTab(const TabPolygon& points, CPoint pt);

// The bottom margin the MDI client leaves for the tab row.
int WorkbookTabRowHeight(const WorkbookTabMetrics& metrics);
