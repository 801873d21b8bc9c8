#include "ui/frames/CaptionLayout.h"

#include <algorithm>

namespace {

int Channel(DWORD cr, int nShift)
{
    return (int)((cr >> nShift) & 0xFF);
}

// Channel value of band nBand, stepped from its start in 8-bit fixed point
// and held at the end value, whichever way the gradient runs.
int BandChannel(DWORD crFrom, DWORD crTo, int nShift, int nBand, int nBands)
{
    int nFrom = Channel(crFrom, nShift);
    int nTo = Channel(crTo, nShift);
    int nStep = (nTo - nFrom) * 256 / nBands;
    int nValue = (nFrom * 256 + nStep * nBand) >> 8;
    return nTo >= nFrom ? std::min(nValue, nTo) : std::max(nValue, nTo);
}

int CaptionButtonsWidth(const CaptionFrameFacts& facts)
{
    if (!facts.bSysMenu)
        return 0;
    int nButtons = (facts.bMinimizeBox ? 1 : 0) + (facts.bMaximizeBox ? 1 : 0);
    int cx = nButtons * facts.button.cx;
    if (facts.bCloseEnabled)
        cx += facts.button.cx;
    if (nButtons > 0)
        cx += facts.border.cx;
    return cx;
}

} // namespace

std::vector<CaptionBand> CaptionGradient(const CRect& rc, DWORD crFrom, DWORD crTo)
{
    std::vector<CaptionBand> bands;
    int cx = rc.Width();
    if (cx <= 0 || rc.Height() <= 0)
        return bands;
    int nBands = std::min(kCaptionBands, cx);
    int cxShare = cx / nBands;
    for (int i = 0; i < nBands; ++i) {
        CaptionBand band;
        int nLeft = rc.left + i * cxShare;
        int nRight = i == nBands - 1 ? rc.right : nLeft + cxShare + 1;
        band.rect = CRect(nLeft, rc.top, nRight, rc.bottom);
        band.colour = CaptionRgb(BandChannel(crFrom, crTo, 0, i, nBands), BandChannel(crFrom, crTo, 8, i, nBands),
                                 BandChannel(crFrom, crTo, 16, i, nBands));
        bands.push_back(band);
    }
    return bands;
}

CRect CaptionRect(const CaptionFrameFacts& facts)
{
    CRect rc;
    if (facts.bThickFrame)
        rc = CRect(facts.sizingFrame.cx, facts.sizingFrame.cy, facts.window.cx - facts.sizingFrame.cx, 0);
    else
        rc = CRect(facts.border.cx, facts.border.cy + 1, facts.window.cx - facts.border.cx, 0);
    rc.bottom = rc.top + facts.button.cy;
    rc.right -= CaptionButtonsWidth(facts);
    if (rc.right < rc.left)
        rc.right = rc.left;
    return rc;
}

CaptionTitle SplitCaptionTitle(const CString& strTitle)
{
    CaptionTitle title;
    int nDash = strTitle.Find('-');
    if (nDash < 0) {
        title.strApp = strTitle;
        return title;
    }
    // The parts stand a gap apart: the blank before the '-' would double it.
    title.strApp = strTitle.Left(nDash);
    title.strApp.TrimRight();
    title.strDoc = strTitle.Mid(nDash);
    return title;
}

CaptionTextPlace PlaceCaptionText(const CRect& rcText, int cxApp, int cxDoc, int cxEllipsis, int nAlign)
{
    CaptionTextPlace place;
    int nLeft = rcText.left + kCaptionTextIndent;
    int nRoom = rcText.right - nLeft;
    bool bDoc = cxDoc > 0 && nRoom >= cxApp + cxEllipsis;
    int cxTotal = cxApp + (bDoc ? kCaptionPartGap + cxDoc : 0);
    if (nAlign != 0 && cxTotal < nRoom)
        nLeft = nAlign == 1 ? nLeft + (nRoom - cxTotal) / 2 : rcText.right - cxTotal - 1;
    int nAppRight = std::min(nLeft + cxApp, (int)rcText.right);
    place.rcApp = CRect(nLeft, rcText.top, nAppRight, rcText.bottom);
    if (bDoc)
        place.rcDoc = CRect(std::min(nAppRight + kCaptionPartGap, (int)rcText.right), rcText.top, rcText.right, rcText.bottom);
    return place;
}
