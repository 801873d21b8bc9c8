#include "ui/frames/ToolBarButtons.h"

#include <algorithm>
#include <cstdlib>

SECBtnList CToolBarButtons::List(bool bSkipHidden) const
{
    SECBtnList list;
    for (const auto& pButton : m_buttons)
        if (!bSkipHidden || !(pButton->m_nStyle & TBBS_HIDDEN_BIT))
            list.push_back(pButton.get());
    return list;
}

void CToolBarButtons::RemoveAll()
{
    m_buttons.clear();
    m_nSelected = m_nHot = -1;
}

std::unique_ptr<SECBtnGeometry> CToolBarButtons::Release(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    std::unique_ptr<SECBtnGeometry> pButton = std::move(m_buttons[(size_t)nIndex]);
    m_buttons.erase(m_buttons.begin() + nIndex);
    FollowRemoval(m_nSelected, nIndex, 1);
    FollowRemoval(m_nHot, nIndex, 1);
    return pButton;
}

int CToolBarButtons::Adopt(int nIndex, std::unique_ptr<SECBtnGeometry> pButton)
{
    nIndex = std::max(0, std::min(nIndex, GetCount()));
    m_buttons.insert(m_buttons.begin() + nIndex, std::move(pButton));
    if (m_nSelected >= nIndex)
        ++m_nSelected;
    if (m_nHot >= nIndex)
        ++m_nHot;
    return nIndex;
}

int CToolBarButtons::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (At(i)->m_nID == nID)
            return i;
    return -1;
}

int CToolBarButtons::IndexOf(const SECBtnGeometry* pButton) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (At(i) == pButton)
            return i;
    return -1;
}

int CToolBarButtons::Insert(int nIndex, UINT nID, bool bSeparator)
{
    nIndex = std::max(0, std::min(nIndex, GetCount()));
    m_buttons.insert(m_buttons.begin() + nIndex, m_factory(bSeparator ? 0 : nID, bSeparator));
    RaiseSeparatorsAfterInsert(nIndex);
    if (m_nSelected >= nIndex)
        ++m_nSelected;
    if (m_nHot >= nIndex)
        ++m_nHot;
    return nIndex;
}

// The row is walked forward to its wrapped button and backward to the
// previous row's; the backward walk is skipped when the new button sits
// just before a wrapped one.
void CToolBarButtons::RaiseSeparatorsAfterInsert(int nIndex)
{
    int nLast = nIndex;
    while (nLast + 1 < GetCount() && !At(nLast)->IsWrapped())
        ++nLast;
    int nFirst = nIndex;
    const bool bWalkBack = !(nIndex + 1 < GetCount() && At(nIndex + 1)->IsWrapped());
    while (bWalkBack && nFirst > 0 && !At(nFirst - 1)->IsWrapped())
        --nFirst;
    int nRowHeight = 0;
    for (int i = nFirst; i <= nLast; ++i)
        if (i != nIndex && !At(i)->IsSeparator())
            nRowHeight = std::max(nRowHeight, At(i)->m_cy);
    SECBtnGeometry* pNew = At(nIndex);
    if (pNew->IsSeparator()) {
        if (nRowHeight != 0)
            pNew->m_cy = nRowHeight;
        return;
    }
    for (int i = nFirst; i <= nLast; ++i)
        if (At(i)->IsSeparator())
            At(i)->m_cy = std::max(At(i)->m_cy, pNew->m_cy);
}

void CToolBarButtons::SetSeparatorHeightsAfterRemove(int nIndex, bool bWasSeparator, bool bWasWrapped,
                                                     int nSeparatorWidth)
{
    if (bWasSeparator || GetCount() == 0)
        return;
    int nLast = std::min(nIndex, GetCount() - 1);
    while (nLast + 1 < GetCount() && !At(nLast)->IsWrapped())
        ++nLast;
    int nFirst = std::min(nIndex, GetCount());
    while (!bWasWrapped && nFirst > 0 && !At(nFirst - 1)->IsWrapped())
        --nFirst;
    int nRowHeight = 0;
    for (int i = nFirst; i <= nLast; ++i)
        if (!At(i)->IsSeparator())
            nRowHeight = std::max(nRowHeight, At(i)->m_cy);
    if (nRowHeight == 0)
        nRowHeight = nSeparatorWidth * 2 / 3;
    for (int i = nFirst; i <= nLast; ++i)
        if (At(i)->IsSeparator())
            At(i)->m_cy = nRowHeight;
}

// A separator that now leads, trails or follows another goes too.
int CToolBarButtons::DeleteDanglingSeparator(int nIndex)
{
    const int nCount = GetCount();
    int nVictim = -1;
    if (nIndex == 0) {
        if (nCount > 0 && At(0)->IsSeparator())
            nVictim = 0;
    } else if (nCount > 0 && At(nCount - 1)->IsSeparator()) {
        nVictim = nCount - 1;
    } else if (nIndex < nCount && At(nIndex - 1)->IsSeparator() && At(nIndex)->IsSeparator()) {
        nVictim = nIndex;
    }
    if (nVictim < 0)
        return 0;
    m_buttons.erase(m_buttons.begin() + nVictim);
    return 1;
}

void CToolBarButtons::FollowRemoval(int& nTracked, int nIndex, int nDeleted)
{
    if (nTracked == nIndex)
        nTracked = -1;
    else if (nTracked > nIndex)
        nTracked = std::max(nIndex, nTracked - nDeleted);
}

int CToolBarButtons::Remove(int nIndex, int nSeparatorWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return 0;
    const bool bWasSeparator = At(nIndex)->IsSeparator();
    const bool bWasWrapped = At(nIndex)->IsWrapped();
    m_buttons.erase(m_buttons.begin() + nIndex);
    SetSeparatorHeightsAfterRemove(nIndex, bWasSeparator, bWasWrapped, nSeparatorWidth);
    const int nDeleted = 1 + DeleteDanglingSeparator(nIndex);
    FollowRemoval(m_nSelected, nIndex, nDeleted);
    FollowRemoval(m_nHot, nIndex, nDeleted);
    return nDeleted;
}

namespace {

struct DropRow
{
    int nFirst = 0;
    int nLast = -1;
};

DropRow FindDropRow(const CToolBarButtons& buttons, const ToolBarDropInput& in)
{
    const int nMiddle = (in.rcDrop.top + in.rcDrop.bottom) / 2;
    DropRow row;
    int nBottom = in.rcInside.top;
    for (int i = 0; i < buttons.GetCount(); ++i) {
        const SECBtnGeometry* pButton = buttons.At(i);
        const bool bLast = i == buttons.GetCount() - 1;
        if (!pButton->IsWrapped() && !bLast)
            continue;
        nBottom += pButton->m_cy + (pButton->IsSeparator() ? in.nSeparatorWidth * 2 / 3 : 0);
        row.nLast = i;
        if (nBottom >= nMiddle)
            break;
        if (!bLast)
            row.nFirst = i + 1;
    }
    while (row.nLast > row.nFirst && buttons.At(row.nLast)->IsSeparator())
        --row.nLast;
    return row;
}

bool IsSeparatorAt(const CToolBarButtons& buttons, int i)
{
    return i >= 0 && i < buttons.GetCount() && buttons.At(i)->IsSeparator();
}

// Small drags of the selected button over one of its own edges open or
// close a group separator beside it. FALSE when the drop is not a nudge.
bool PlanNudge(const CToolBarButtons& buttons, const ToolBarDropInput& in, ToolBarDropPlan& plan)
{
    const int nSel = in.nSelected;
    const CRect rcSel = buttons.At(nSel)->GetRect();
    const int nMoved = std::abs(in.rcDrop.left - rcSel.left);
    const bool bOverRight = in.rcDrop.left < rcSel.right && in.rcDrop.right > rcSel.right;
    const bool bOverLeft = in.rcDrop.left < rcSel.left && in.rcDrop.right > rcSel.left;
    if (!bOverRight && !bOverLeft)
        return false;
    if (nMoved < 2) {
        plan.action = ToolBarDropPlan::None;
        return true;
    }
    if (in.bCopy)
        return false;
    plan.action = ToolBarDropPlan::Nudge;
    if (bOverRight) {
        if (nSel == 0 || IsSeparatorAt(buttons, nSel - 1)) {
            if (IsSeparatorAt(buttons, nSel + 1))
                plan.nRemoveAt = nSel + 1;
        } else {
            plan.nSeparatorAt = nSel;
        }
        return true;
    }
    if (IsSeparatorAt(buttons, nSel - 1))
        plan.nRemoveAt = nSel - 1;
    else if (nSel + 1 < buttons.GetCount() && !IsSeparatorAt(buttons, nSel + 1))
        plan.nSeparatorAt = nSel + 1;
    return true;
}

} // namespace

ToolBarDropPlan PlanToolBarDrop(const CToolBarButtons& buttons, const ToolBarDropInput& in)
{
    ToolBarDropPlan plan;
    plan.action = ToolBarDropPlan::Insert;
    if (buttons.GetCount() == 0)
        return plan;
    if (buttons.GetCount() == 1 && in.nSelected == 0 && !in.bCopy) {
        plan.action = ToolBarDropPlan::None;
        return plan;
    }
    if (in.rcDrop.bottom <= in.rcInside.top) {
        plan.bSeparatorFirst = true;
        return plan;
    }
    if (in.rcDrop.top >= in.rcInside.bottom) {
        plan.bSeparatorLast = true;
        plan.nIndex = buttons.GetCount() + 1;
        return plan;
    }
    const DropRow row = FindDropRow(buttons, in);
    if (in.nSelected >= row.nFirst && in.nSelected <= row.nLast && PlanNudge(buttons, in, plan))
        return plan;
    plan.action = ToolBarDropPlan::Insert;
    plan.nIndex = row.nFirst;
    if (in.rcDrop.left < in.rcInside.left)
        return plan;
    int x = in.rcInside.left;
    for (int i = row.nFirst; i <= row.nLast; ++i) {
        const SECBtnGeometry* pButton = buttons.At(i);
        if (pButton->m_nStyle & TBBS_HIDDEN_BIT)
            continue;
        x += pButton->m_cx;
        plan.nIndex = i + 1;
        if (x > in.rcDrop.left)
            break;
    }
    return plan;
}
