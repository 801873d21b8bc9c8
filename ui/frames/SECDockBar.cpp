#include "framework/Framework.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECControlBar.h"

IMPLEMENT_DYNAMIC(SECDockBar, CDockBar)

SECDockBar::SECDockBar(CWnd* pMDIChild) : CDockBar(FALSE), m_pMDIChild(pMDIChild) {}

void SECDockBar::GetRowBars(CPtrList& list, CControlBar* pBar)
{
    list.RemoveAll();
    int nPos = FindBar(pBar);
    if (nPos <= 0)
        return;
    int nEnd = DockArray::RowEnd(m_arrBars, nPos);
    for (int i = DockArray::RowStart(m_arrBars, nPos); i < nEnd; i++) {
        if (CControlBar* pRowBar = GetDockedControlBar(i))
            list.AddTail(pRowBar);
    }
}

BOOL SECDockBar::IsBarAloneInRow(CControlBar* pBar)
{
    CPtrList list;
    GetRowBars(list, pBar);
    int nVisible = 0;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr)
        nVisible += ((CControlBar*)list.GetNext(pos))->IsVisible() ? 1 : 0;
    return nVisible == 1 && pBar->IsVisible();
}

BOOL SECDockBar::IsBarExpanded(CControlBar* pBar)
{
    CPtrList list;
    GetRowBars(list, pBar);
    int nAbove = 0;
    BOOL bBarAbove = FALSE;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pRowBar = (CControlBar*)list.GetNext(pos);
        auto* pSecBar = dynamic_cast<SECControlBar*>(pRowBar);
        if (pSecBar == nullptr || !pRowBar->IsVisible() || pSecBar->m_fPctWidth <= m_fMinShare)
            continue;
        ++nAbove;
        bBarAbove = bBarAbove || pRowBar == pBar;
    }
    return nAbove < 2 && bBarAbove;
}

void SECDockBar::ExpandBar(CControlBar* pBar, int nMode)
{
    CPtrList list;
    GetRowBars(list, pBar);
    float fTotal = 0.0f;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        auto* pSecBar = dynamic_cast<SECControlBar*>((CControlBar*)list.GetNext(pos));
        if (pSecBar == nullptr)
            continue;
        pSecBar->m_fPctWidth = nMode == 1 ? (pSecBar == pBar ? 1.0f : m_fMinShare) : 0.1f;
        fTotal += pSecBar->m_fPctWidth;
    }
    if (fTotal > 0.0f) {
        pos = list.GetHeadPosition();
        while (pos != nullptr) {
            if (auto* pSecBar = dynamic_cast<SECControlBar*>((CControlBar*)list.GetNext(pos)))
                pSecBar->m_fPctWidth /= fTotal;
        }
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}
