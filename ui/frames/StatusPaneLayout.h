// The arithmetic of the status bar's panes apart from the common control:
// where each pane ends, the rectangle of a pane from the control's part
// edges, and the text a WM_GETTEXT copies.
#pragma once

#include "framework/BarStyles.h"
#include "framework/Geometry.h"
#include "framework/String.h"

#include <vector>

// Space added to every pane's text width.
constexpr int kPaneTextMargin = 6;

struct PaneSpec
{
    int cxText = 0;
    UINT nStyle = 0;
};

// The right edge of each pane, laid out from nLeft: each pane is its text
// width + kPaneTextMargin wide, panes are nSpacing apart, and the free space
// of nInsideWidth goes to the SBPS_STRETCH panes, the remainder of the
// division to the last of them. Without stretch panes it stays unused.
std::vector<int> LayoutPaneRights(const std::vector<PaneSpec>& panes, int nLeft, int nInsideWidth, int nSpacing);

// The common control's borders (SB_GETBORDERS).
struct StatusBorders
{
    int nHorz = 0;
    int nVert = 0;
    int nSpacing = 0;
};

// Pane nIndex from the part edges (SB_GETPARTS; -1 runs to the client's
// right edge less the border).
CRect PaneRectFromParts(const std::vector<int>& parts, int nIndex, const StatusBorders& borders, const CRect& rcClient);

// WM_GETTEXT: the text cut to the buffer less its terminator; the count of
// characters copied, without the terminator (0 for a buffer of 0).
int CopyPaneText(const CString& strText, char* pszBuffer, int nBufferSize);

// Where the progress control starts: after the caption and the borders.
int ProgressLeft(int nClientLeft, int cxCaption, const StatusBorders& borders);
