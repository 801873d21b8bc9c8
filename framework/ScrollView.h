// A view with a scrollable area: sizes in logical units, scroll bars on the
// view or (inside a splitter) shared with the other panes.
#pragma once

#include "framework/View.h"

class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    static const SIZE sizeDefault;

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;          // logical units
    CPoint GetDeviceScrollPosition() const;    // device units
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    void ScrollToPosition(POINT pt);            // logical units
    void SetScaleToFitSize(SIZE sizeTotal);
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

protected:
    void UpdateBars();
    bool HasBar(int nBar) const;

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bCenter = FALSE;
    BOOL m_bInsideUpdate = FALSE;
    DECLARE_MESSAGE_MAP()
};
