// CDockBar: the bar along each frame edge (and inside each floating frame)
// that holds docked bars in rows. Its array keeps bars, row ends (NULL) and
// placeholders (the id of a bar that left its place and may come back to
// it); the arithmetic lives in BarLayout.h.
#pragma once

#include "framework/ControlBar.h"
#include "framework/BarLayout.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    BOOL m_bFloating;
    BOOL m_bLayoutQuery = FALSE;
    CRect m_rectLayout;             // the frame's free rectangle in WM_SIZEPARENT
    CPtrArray m_arrBars;

    int GetDockedCount() const { return DockArrayCountBars(); }
    virtual int GetDockedVisibleCount() const;
    // NULL for row ends and placeholders.
    CControlBar* GetDockedControlBar(int nPos) const;
    int FindBar(CControlBar* pBar, int nPosExclude = -1);

    // Docks pBar at lpRect (screen coordinates) or, without one, as a new
    // last row; the bar becomes this dock bar's child.
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out, leaving nAddPlaceHolder (a bar id) in its place when
    // not 0. A floating dock bar left empty destroys its frame.
    virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect);
    void ShowAll(BOOL bShow);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    BOOL IsDockBar() const override { return TRUE; }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnWindowPosChanging(WINDOWPOS* lpWndPos);

protected:
    // The array index at which a bar dropped at rect (client coordinates)
    // goes; sets bNewRow when it opens a row of its own there.
    virtual int Insert(CControlBar* pBar, CRect rect, CPoint ptMid, BOOL& bNewRow);
    int DockArrayCountBars() const;

    DECLARE_MESSAGE_MAP()
};
