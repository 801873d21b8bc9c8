// CMiniDockFrameWnd: the small frame around a floating dock bar. Its
// caption drags the bar, its borders resize it, a double click docks it
// again; closing it hides the bars instead of destroying them.
#pragma once

#include "framework/MiniFrameWnd.h"
#include "framework/DockBar.h"

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The floating dock bar; derived frames that hold their own answer theirs.
    virtual CDockBar* GetDockBar() { return &m_wndDockBar; }
    // The first bar of the dock bar, the one the caption moves.
    CControlBar* GetFirstBar();

    CDockBar m_wndDockBar;

    void OnClose();
    void OnNcLButtonDown(UINT nHitTest, CPoint pt);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint pt);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);

protected:
    DECLARE_MESSAGE_MAP()
};
