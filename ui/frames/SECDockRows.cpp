#include "ui/frames/SECDockRows.h"

#include <algorithm>

float SECDockRows::MinShare(int nRowLength)
{
    if (nRowLength <= 0)
        return kDefaultMinShare;
    return std::min(1.0f, (float)kMinBarLength / (float)nRowLength);
}

void SECDockRows::NormalizeShares(std::vector<SECRowShare>& row, int nNew, float fMinShare, int* pnShared,
                                  int* pnFixed)
{
    int nShared = 0, nFixed = 0;
    for (const SECRowShare& bar : row)
        if (bar.bVisible)
            ++(bar.bFixed ? nFixed : nShared);
    if (pnShared)
        *pnShared = nShared;
    if (pnFixed)
        *pnFixed = nFixed;

    auto takesPart = [&](int i) { return row[(size_t)i].bVisible && !row[(size_t)i].bFixed; };
    const int nCount = (int)row.size();
    if (nNew < 0 || nNew >= nCount || !takesPart(nNew) || row[(size_t)nNew].fShare > kMaxNewShare)
        nNew = -1;

    float fTotal = 0.0f;
    for (int i = 0; i < nCount; ++i)
        if (i != nNew && takesPart(i))
            fTotal += row[(size_t)i].fShare;

    if (nNew >= 0) {
        SECRowShare& bar = row[(size_t)nNew];
        const float fNew = std::min(std::max(bar.fShare, fMinShare), kMaxNewShare);
        // The others keep their proportions; a factor from others that add
        // up to less than the new share would turn negative, so those keep
        // the new share exactly instead.
        float fFactor = 1.0f;
        if (fTotal <= 0.0f)
            fFactor = 1.0f / fNew;
        else if (fTotal > fNew)
            fFactor = fTotal / (fTotal - fNew);
        else if (fTotal < fNew)
            fFactor = fTotal / (1.0f - fNew);
        bar.fShare = std::max(fNew * fFactor, fMinShare);
        fTotal += bar.fShare;
    }
    if (fTotal <= 0.0f)
        return;
    for (int i = 0; i < nCount; ++i)
        if (takesPart(i))
            row[(size_t)i].fShare = std::max(row[(size_t)i].fShare / fTotal, fMinShare);
}

void SECDockRows::ExpandBar(std::vector<SECRowShare>& row, int nBar, int nMode, float fMinShare)
{
    for (size_t i = 0; i < row.size(); ++i)
        row[i].fShare = nMode == 1 ? ((int)i == nBar ? 1.0f : 0.0f) : kContractShare;
    NormalizeShares(row, nBar, fMinShare);
}

bool SECDockRows::IsBarExpanded(const std::vector<SECRowShare>& row, int nBar, float fMinShare)
{
    int nAboveMin = 0;
    bool bBarAbove = false;
    for (size_t i = 0; i < row.size(); ++i) {
        if (!row[i].bVisible || row[i].fShare <= fMinShare)
            continue;
        ++nAboveMin;
        bBarAbove = bBarAbove || (int)i == nBar;
    }
    return nAboveMin < 2 && bBarAbove;
}

bool SECDockRows::IsBarAloneInRow(const std::vector<SECRowShare>& row, int nBar)
{
    if (nBar < 0 || nBar >= (int)row.size() || !row[(size_t)nBar].bVisible)
        return false;
    return std::count_if(row.begin(), row.end(), [](const SECRowShare& b) { return b.bVisible; }) == 1;
}

int SECDockRows::FreeLength(int nRowLength, int nVisibleBars)
{
    return nRowLength - kSplitter * nVisibleBars + kSplitter;
}

int SECDockRows::ResizeBarInRow(int nPresent, int nDelta, int nRowLength, float fMinShare, int& nNewLength,
                                float& fNewShare)
{
    nNewLength = std::max(kMinBarLength, nPresent + nDelta);
    fNewShare = nRowLength > 0 ? (float)nNewLength / (float)nRowLength : fMinShare;
    if (fNewShare < fMinShare) {
        fNewShare = fMinShare;
        nNewLength = (int)((float)nRowLength * fMinShare);
    }
    return nPresent - nNewLength + nDelta;
}

SECRowResize SECDockRows::MoveBarSplitter(const std::vector<int>& lengths, int nSplitter, int nDelta, int nRowLength,
                                          float fMinShare)
{
    SECRowResize result;
    result.lengths = lengths;
    result.shares.resize(lengths.size());
    for (size_t i = 0; i < lengths.size(); ++i)
        result.shares[i] = nRowLength > 0 ? (float)lengths[i] / (float)nRowLength : fMinShare;
    const int nCount = (int)lengths.size();
    if (nDelta == 0 || nSplitter < 0 || nSplitter + 1 >= nCount)
        return result;

    auto resize = [&](int i, int nBy) {
        int nLength = 0;
        float fShare = 0.0f;
        const int nLeft = ResizeBarInRow(result.lengths[(size_t)i], nBy, nRowLength, fMinShare, nLength, fShare);
        result.lengths[(size_t)i] = nLength;
        result.shares[(size_t)i] = fShare;
        return nLeft;
    };
    const int nDistance = nDelta > 0 ? nDelta : -nDelta;
    const int nGrowing = nDelta > 0 ? nSplitter : nSplitter + 1;
    const int nStep = nDelta > 0 ? 1 : -1;
    resize(nGrowing, nDistance);
    int nRemaining = nDistance;
    for (int i = nDelta > 0 ? nSplitter + 1 : nSplitter; nRemaining > 0 && i >= 0 && i < nCount; i += nStep)
        nRemaining = -resize(i, -nRemaining);
    return result;
}

void SECDockRows::BarSplitterLimits(const std::vector<int>& lengths, int nSplitter, int nRowStart, int& nMin,
                                    int& nMax)
{
    const int nCount = (int)lengths.size();
    int nPos = nRowStart;
    for (int i = 0; i <= nSplitter && i < nCount; ++i)
        nPos += lengths[(size_t)i] + (i < nSplitter ? kSplitter : 0);
    int nRowEnd = nRowStart;
    for (int i = 0; i < nCount; ++i)
        nRowEnd += lengths[(size_t)i] + (i + 1 < nCount ? kSplitter : 0);
    const int nBefore = nSplitter + 1;
    const int nAfter = nCount - nBefore;
    nMin = nRowStart + nBefore * kSplitterKeep + (nBefore - 1) * kSplitter;
    nMax = nRowEnd - nAfter * kSplitterKeep - std::max(nAfter - 1, 0) * kSplitter - kSplitter;
    // A row already shorter than the limits allow keeps its splitter still.
    nMin = std::min(nMin, nPos);
    nMax = std::max(nMax, nPos);
}

void SECDockRows::RowSplitterLimits(int nRowStart, int nRowEnd, int nClientFar, bool bAfterRow, int& nMin, int& nMax)
{
    if (bAfterRow) {
        nMin = nRowStart + kMinRowThickness;
        nMax = std::max(nMin, nClientFar - kMinRowThickness);
    } else {
        nMax = nRowEnd - kMinRowThickness - kSplitter;
        nMin = std::min(nMax, nClientFar + kMinRowThickness);
    }
}

int SECDockRows::RowThicknessAfterMove(int nPresent, int nDelta, bool bAfterRow)
{
    return nPresent - (bAfterRow ? -nDelta : nDelta);
}

CRect SECDockRows::FitOutline(const CRect& rect, CPoint pt, int nLength, int nThickness, CAxis axis)
{
    // Each side moves by its part of the difference, in proportion to where
    // the cursor lies in the outline.
    auto fit = [](int nStart, int nEnd, int nCursor, int nNew, int& nOutStart, int& nOutEnd) {
        const int nOld = nEnd - nStart;
        const int nChange = nNew - nOld;
        const int nBefore = nOld > 0 ? (int)((long long)nChange * (nCursor - nStart) / nOld) : 0;
        nOutStart = nStart - nBefore;
        nOutEnd = nOutStart + nNew;
    };
    int nMajorStart = 0, nMajorEnd = 0, nMinorStart = 0, nMinorEnd = 0;
    fit(axis.MajorStart(rect), axis.MajorEnd(rect), axis.Major(pt), nLength, nMajorStart, nMajorEnd);
    fit(axis.MinorStart(rect), axis.MinorEnd(rect), axis.Minor(pt), nThickness, nMinorStart, nMinorEnd);
    return axis.MakeRect(nMajorStart, nMinorStart, nMajorEnd, nMinorEnd);
}
