// SECDockBar: the library's dock bar. Each bar of a row takes a share of
// the row (SECControlBar::m_fPctWidth); one bar can be expanded over its
// row or the row's shares evened out again.
//
// Not yet: row splitters, client edges, the insertion outline and the
// placement of rows (they come with the rest of the docking work).
#pragma once

#include "framework/Framework.h"

class SECDockBar : public CDockBar
{
    DECLARE_DYNAMIC(SECDockBar)
public:
    explicit SECDockBar(CWnd* pMDIChild = nullptr);

    // Among the visible bars of pBar's row fewer than two have more than
    // the smallest share, and pBar is one of them.
    virtual BOOL IsBarExpanded(CControlBar* pBar);
    virtual BOOL IsBarAloneInRow(CControlBar* pBar);
    // The bars of pBar's row, in order.
    virtual void GetRowBars(CPtrList& list, CControlBar* pBar);
    // nMode 1 expands pBar over its row, any other contracts the row.
    virtual void ExpandBar(CControlBar* pBar, int nMode);

    CPtrArray m_arrRedrawBars;
    CWnd* m_pMDIChild;                  // the MDI child window this dock bar floats in
    CControlBar* m_pBarFromFloat = nullptr;
    BOOL m_bRedrawPending = FALSE;
    BOOL m_bQuietLayout = FALSE;
    float m_fMinShare = 0.05f;
};
