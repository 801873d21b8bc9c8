// The arithmetic of a dock bar's rows, apart from the windows: each bar of
// a row takes a share of the row's length, one bar can be expanded or all
// contracted, and 6-pixel splitters between bars and rows move within
// limits. The dock bar (SECDockBar) feeds it the shares and lengths of its
// bars and applies the results; all of it is tested natively.
//
// Bars with a fixed size and hidden bars take no share.
#pragma once

#include "framework/Geometry.h"

#include <vector>

// One bar of a row as the share arithmetic sees it.
struct SECRowShare
{
    float fShare = 1.0f;
    bool bVisible = true;
    bool bFixed = false;
};

// The outcome of a splitter move between two bars: each visible bar's new
// length and share, in row order.
struct SECRowResize
{
    std::vector<int> lengths;
    std::vector<float> shares;
};

class SECDockRows
{
public:
    static constexpr int kSplitter = 6;          // splitter thickness
    static constexpr int kMinBarLength = 18;     // a bar never gets shorter
    static constexpr int kSplitterKeep = 24;     // what a splitter leaves each bar
    static constexpr int kMinRowThickness = 19;  // what a row splitter leaves a row
    static constexpr float kMaxNewShare = 0.95f; // a larger share is not "new"
    static constexpr float kDefaultMinShare = 0.05f;
    static constexpr float kContractShare = 0.1f;

    // 18 pixels over the row length, at most 1; 0.05 for an empty row.
    static float MinShare(int nRowLength);

    // Puts a new bar (or none, -1) into the row's shares: the new bar keeps
    // its share and the others share the rest in their old proportions; no
    // share falls below the minimum. Counts the shared and fixed bars.
    static void NormalizeShares(std::vector<SECRowShare>& row, int nNew, float fMinShare, int* pnShared = nullptr,
                                int* pnFixed = nullptr);
    // Mode 1 expands bar nBar (the others to the minimum), else contracts
    // every bar of the row alike.
    static void ExpandBar(std::vector<SECRowShare>& row, int nBar, int nMode, float fMinShare);
    static bool IsBarExpanded(const std::vector<SECRowShare>& row, int nBar, float fMinShare);
    static bool IsBarAloneInRow(const std::vector<SECRowShare>& row, int nBar);

    // The length the bars of a row share: the row less one splitter
    // between each pair of visible bars.
    static int FreeLength(int nRowLength, int nVisibleBars);

    // One bar takes nDelta more (or less) of the row; returns what it did
    // not take. The bar's new length and share come back through the refs.
    static int ResizeBarInRow(int nPresent, int nDelta, int nRowLength, float fMinShare, int& nNewLength,
                              float& fNewShare);
    // The splitter after visible bar nSplitter moves by nDelta: the bar on
    // the side it moves away from grows, the bars on the other side give
    // the room, nearest first.
    static SECRowResize MoveBarSplitter(const std::vector<int>& lengths, int nSplitter, int nDelta, int nRowLength,
                                        float fMinShare);

    // Where the splitter after visible bar nSplitter may lie (its leading
    // edge), given the bars' lengths and where the row starts.
    static void BarSplitterLimits(const std::vector<int>& lengths, int nSplitter, int nRowStart, int& nMin,
                                  int& nMax);
    // Where a row splitter may lie: the row keeps 19 pixels, and the
    // splitter stays 19 pixels from the far edge of the free client area.
    // bAfterRow: the splitter follows the row (top and left dock bars).
    static void RowSplitterLimits(int nRowStart, int nRowEnd, int nClientFar, bool bAfterRow, int& nMin, int& nMax);
    // A row's new thickness when its splitter moved by nDelta.
    static int RowThicknessAfterMove(int nPresent, int nDelta, bool bAfterRow);

    // The outline of a dropped bar resized to nLength along and nThickness
    // across the axis, the cursor keeping its relative place in it.
    static CRect FitOutline(const CRect& rect, CPoint pt, int nLength, int nThickness, CAxis axis);
};
