// SECMiniDockFrameWnd: the small floating frame of the library's bars. It
// holds a SECDockBar, so a floating bar keeps its row share and the dock
// bar's rules; the caption takes the dock bar's text.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECDockBar.h"

class SECMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(SECMiniDockFrameWnd)
public:
    SECMiniDockFrameWnd();

    CDockBar* GetDockBar() override { return &m_wndSECDockBar; }
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The frame sized to its bars and its top-left at (x, y), screen
    // coordinates, without activation or a change of Z order.
    virtual void RecalcLayoutAt(int x, int y, UINT nFlags = 0);

    SECDockBar m_wndSECDockBar;

private:
    BOOL m_bInRecalc = FALSE;
};
