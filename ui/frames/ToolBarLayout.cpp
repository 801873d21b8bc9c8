#include "ui/frames/ToolBarLayout.h"

#include <algorithm>

namespace {

constexpr int kOneRow = 32767;

int RowsHeight(const std::vector<SECTBRow>& rows, const ToolBarMetrics& metrics)
{
    return CToolBarLayout::RowsSize(rows, metrics).cy;
}

} // namespace

SECTBRow CToolBarLayout::MakeRow(const SECBtnList& buttons, int nFirst, int nLast, bool bSeparatorEnd)
{
    SECTBRow row;
    row.nLastIndex = nLast;
    row.bSeparatorEnd = bSeparatorEnd;
    const int nCounted = bSeparatorEnd ? nLast - 1 : nLast;
    for (int i = nFirst; i <= nCounted; ++i)
        row.cx += buttons[i]->m_cx;
    for (int i = nFirst; i <= nLast; ++i)
        if (!buttons[i]->IsSeparator())
            row.cy = std::max(row.cy, buttons[i]->m_cy);
    return row;
}

int CToolBarLayout::RowStart(const std::vector<SECTBRow>& rows, int nRow)
{
    return nRow == 0 ? 0 : rows[nRow - 1].nLastIndex + 1;
}

int CToolBarLayout::WrapButtons(const SECBtnList& buttons, int nWidth, std::vector<SECTBRow>& rows)
{
    rows.clear();
    const int nCount = (int)buttons.size();
    int nStart = 0;
    int nRunning = 0;
    int nLastSeparator = -1;
    for (int i = 0; i < nCount; ++i) {
        nRunning += buttons[i]->m_cx;
        if (nRunning > nWidth + 2 && i > nStart) {
            const bool bAtSeparator = nLastSeparator >= nStart;
            const int nEnd = bAtSeparator ? nLastSeparator : i - 1;
            rows.push_back(MakeRow(buttons, nStart, nEnd, bAtSeparator));
            nStart = nEnd + 1;
            nRunning = 0;
            nLastSeparator = -1;
            for (int j = nStart; j <= i; ++j) {
                nRunning += buttons[j]->m_cx;
                if (buttons[j]->IsSeparator() && j < i)
                    nLastSeparator = j;
            }
        }
        if (buttons[i]->IsSeparator())
            nLastSeparator = i;
    }
    if (nStart < nCount)
        rows.push_back(MakeRow(buttons, nStart, nCount - 1, false));
    return (int)rows.size();
}

CSize CToolBarLayout::RowsSize(const std::vector<SECTBRow>& rows, const ToolBarMetrics& metrics)
{
    CSize size(0, 0);
    for (const SECTBRow& row : rows) {
        size.cx = std::max<LONG>(size.cx, row.cx);
        size.cy += row.cy + (row.bSeparatorEnd ? metrics.SeparatorGap() : 0);
    }
    return size;
}

// The trailing group of a row (back to its previous separator) goes to the
// start of the next row when that row stays within the limit, or when the
// rows below make room by passing their own groups on.
bool CToolBarLayout::PassTrailingGroup(const SECBtnList& buttons, std::vector<SECTBRow>& rows, int nRow, int nLimit)
{
    if (nRow + 1 >= (int)rows.size())
        return false;
    const int nStart = RowStart(rows, nRow);
    const int nEnd = rows[nRow].nLastIndex;
    int nSplit = -1;
    for (int i = rows[nRow].bSeparatorEnd ? nEnd - 1 : nEnd; i > nStart; --i) {
        if (buttons[i]->IsSeparator()) {
            nSplit = i;
            break;
        }
    }
    if (nSplit < 0)
        return false;
    int nGroupWidth = 0;
    for (int i = nSplit + 1; i <= nEnd; ++i)
        nGroupWidth += buttons[i]->m_cx;
    while (rows[nRow + 1].cx + nGroupWidth > nLimit) {
        if (!PassTrailingGroup(buttons, rows, nRow + 1, nLimit))
            return false;
    }
    const int nNextEnd = rows[nRow + 1].nLastIndex;
    const bool bNextSeparatorEnd = rows[nRow + 1].bSeparatorEnd;
    rows[nRow] = MakeRow(buttons, nStart, nSplit, true);
    rows[nRow + 1] = MakeRow(buttons, nSplit + 1, nNextEnd, bNextSeparatorEnd);
    return true;
}

void CToolBarLayout::BalanceRows(const SECBtnList& buttons, std::vector<SECTBRow>& rows)
{
    if (rows.size() <= 1)
        return;
    for (;;) {
        int nWidest = 0;
        for (int i = 1; i < (int)rows.size(); ++i)
            if (rows[i].cx > rows[nWidest].cx)
                nWidest = i;
        if (nWidest == (int)rows.size() - 1)
            return;
        if (!PassTrailingGroup(buttons, rows, nWidest, rows[nWidest].cx))
            return;
    }
}

CSize CToolBarLayout::CalcWrappedSize(const SECBtnList& buttons, int nLength, bool bLengthIsHeight,
                                      const ToolBarMetrics& metrics, bool bBalance)
{
    int nWidest = 0;
    int nNarrowest = buttons.empty() ? metrics.nButtonWidth : kOneRow;
    int nTotal = 0;
    for (const SECBtnGeometry* pButton : buttons) {
        nWidest = std::max(nWidest, pButton->m_cx);
        nNarrowest = std::min(nNarrowest, pButton->m_cx);
        nTotal += pButton->m_cx;
    }
    std::vector<SECTBRow> rows;
    int nWidth = std::max(nLength, nWidest);
    if (bLengthIsHeight) {
        const int nWanted = metrics.nButtonHeight > 0 ? nLength / metrics.nButtonHeight : 0;
        nWidth = nWanted > 0 ? std::max(nTotal / nWanted, nNarrowest) : kOneRow;
        WrapButtons(buttons, nWidth, rows);
        const int nHeight = RowsHeight(rows, metrics);
        if (nHeight < nLength) {
            for (int nTry = nWidth - metrics.nButtonWidth; nTry >= nNarrowest; nTry -= metrics.nButtonWidth) {
                WrapButtons(buttons, nTry, rows);
                if (RowsHeight(rows, metrics) > nLength)
                    break;
                nWidth = nTry;
            }
        } else if (nHeight > nLength) {
            while (RowsHeight(rows, metrics) > nLength && rows.size() > 1) {
                nWidth += metrics.nButtonWidth;
                WrapButtons(buttons, nWidth, rows);
            }
        }
    }
    WrapButtons(buttons, nWidth, rows);
    if (bBalance)
        BalanceRows(buttons, rows);
    for (SECBtnGeometry* pButton : buttons)
        pButton->m_nStyle &= ~TBBS_WRAPPED_BIT;
    for (size_t r = 0; r + 1 < rows.size(); ++r)
        buttons[rows[r].nLastIndex]->m_nStyle |= TBBS_WRAPPED_BIT;
    return RowsSize(rows, metrics);
}

void CToolBarLayout::PlaceButtons(const SECBtnList& buttons, CPoint ptOrigin, const ToolBarMetrics& metrics)
{
    int x = ptOrigin.x;
    int y = ptOrigin.y;
    int nRowHeight = 0;
    size_t nRowStart = 0;
    auto centreRow = [&](size_t nEnd) {
        for (size_t j = nRowStart; j < nEnd; ++j)
            if (buttons[j]->m_nStyle & TBBS_VCENTER_BIT)
                buttons[j]->m_y = y + (nRowHeight - buttons[j]->m_cy) / 2;
    };
    for (size_t i = 0; i < buttons.size(); ++i) {
        SECBtnGeometry& button = *buttons[i];
        button.m_x = x;
        button.m_y = y;
        x += button.m_cx;
        // As in the wrapped size: a separator alone in its row (a bar
        // standing on the left) is only the gap after it.
        if (!button.IsSeparator())
            nRowHeight = std::max(nRowHeight, button.m_cy);
        if (!button.IsWrapped())
            continue;
        centreRow(i + 1);
        y += nRowHeight + (button.IsSeparator() ? metrics.SeparatorGap() : 0);
        x = ptOrigin.x;
        nRowHeight = 0;
        nRowStart = i + 1;
    }
    centreRow(buttons.size());
}

int CToolBarLayout::HitTest(const SECBtnList& buttons, CPoint pt, CRect* pRect)
{
    size_t nRowStart = 0;
    while (nRowStart < buttons.size()) {
        size_t nRowEnd = nRowStart;
        while (nRowEnd + 1 < buttons.size() && !buttons[nRowEnd]->IsWrapped())
            ++nRowEnd;
        int nTop = kOneRow, nBottom = -kOneRow;
        for (size_t i = nRowStart; i <= nRowEnd; ++i) {
            if (buttons[i]->m_nStyle & TBBS_HIDDEN_BIT)
                continue;
            nTop = std::min(nTop, buttons[i]->m_y);
            nBottom = std::max(nBottom, buttons[i]->m_y + buttons[i]->m_cy);
        }
        if (nBottom > pt.y) {
            if (pt.y < nTop)
                return -1;
            for (size_t i = nRowStart; i <= nRowEnd; ++i) {
                const SECBtnGeometry& button = *buttons[i];
                if ((button.m_nStyle & TBBS_HIDDEN_BIT) || !button.GetRect().PtInRect(pt))
                    continue;
                if (button.IsSeparator())
                    return -1;
                if (pRect != nullptr)
                    *pRect = button.GetRect();
                return (int)i;
            }
            return -1;
        }
        nRowStart = nRowEnd + 1;
    }
    return -1;
}

CToolBarLayout::Placement CToolBarLayout::SavePlacement(const SECBtnList& buttons)
{
    Placement placement;
    for (const SECBtnGeometry* pButton : buttons) {
        placement.places.emplace_back(pButton->m_x, pButton->m_y);
        placement.wrapped.push_back(pButton->IsWrapped() != FALSE);
    }
    return placement;
}

void CToolBarLayout::RestorePlacement(const SECBtnList& buttons, const Placement& placement)
{
    if (placement.places.size() != buttons.size())
        return;
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->m_x = placement.places[i].x;
        buttons[i]->m_y = placement.places[i].y;
        buttons[i]->m_nStyle &= ~TBBS_WRAPPED_BIT;
        if (placement.wrapped[i])
            buttons[i]->m_nStyle |= TBBS_WRAPPED_BIT;
    }
}
