// CControlBar: a window docked along an edge of its frame (or floating in a
// small frame of its own) that takes its strip of the frame in the
// WM_SIZEPARENT layout. Its child controls' commands and notifications go to
// its owner (the docking frame unless SetOwner says otherwise), and it
// follows the frame's idle command update. Shows and hides may be delayed to
// the next layout so that several bars change together.
//
// With CBRS_FLYBY the owner frame's status line shows the prompt of the
// button the mouse rests over (CFlyBy decides when).
//
// Not yet: the help hit test and the print-preview tooltip relay of the
// classic library.
#pragma once

#include "framework/Wnd.h"
#include "framework/BarStyles.h"
#include "framework/Collections.h"
#include "framework/FlyBy.h"

class CDockBar;
class CDockContext;
class CControlBarInfo;
class CFrameWnd;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // Attributes.
    int GetCount() const { return m_nCount; }
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    // Visible, or about to be shown by a delayed show.
    BOOL IsVisible() const;
    BOOL IsHorz() const { return IsHorzBarStyle(m_dwStyle); }

    // Docking: the sides the bar may dock on (CBRS_ALIGN_*, CBRS_FLOAT_MULTI).
    // Makes the dock context and gives the bar its docking frame as owner.
    void EnableDocking(DWORD dwDockStyle);

    // Layout.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The base answers with the fixed layout of the orientation asked for.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // Updating and painting.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // Shown or hidden at the next layout (RecalcDelayShow).
    virtual void DelayShow(BOOL bShow);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual BOOL IsDockBar() const { return FALSE; }
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Applies a pending delayed show or hide: now with a null layout or a
    // real one; a query (no hDWP) leaves it pending.
    void RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    // The bar's record in the saved layout, and back.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    // nElements records of cbElement bytes each, zeroed, in m_pData.
    BOOL AllocElements(int nElements, int cbElement);

    // Fly-by: nEvent (one of the two fly-by timers) runs after nTime ms,
    // the other one stops.
    void ResetTimer(UINT nEvent, UINT nTime);
    // The owner frame shows the prompt of nHit; -1 brings the idle text back.
    BOOL SetStatusText(INT_PTR nHit);
    enum : UINT_PTR { kFlyByWaitTimer = 0xE000, kFlyByCheckTimer = 0xE001 };

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };

    DWORD m_dwStyle = 0;            // CBRS_ALL bits
    DWORD m_dwDockStyle = 0;        // the sides it may dock on
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    CDockContext* m_pDockContext = nullptr;   // owned
    BOOL m_bAutoDelete = FALSE;
    int m_nMRUWidth = 32767;
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
    UINT m_nStateFlags = 0;
    void* m_pData = nullptr;        // AllocElements' records
    int m_nCount = 0;

    // Handlers.
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    BOOL OnEraseBkgnd(CDC* pDC);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);

protected:
    // A strip of the frame for a visible bar; the base sizes it with
    // CalcDynamicLayout (CBRS_SIZE_DYNAMIC) or CalcFixedLayout.
    virtual CSize CalcLayoutSize(const AFX_SIZEPARENTPARAMS& layout);
    void EraseNonClient();
    // The id under the mouse for fly-by; 0 when it is not over this bar.
    int FlyByHitAt(CPoint ptScreen) const;
    void ApplyFlyBy(const CFlyBy::Step& step);
    CFlyBy m_flyBy;

    DECLARE_MESSAGE_MAP()
};

// The classic 3-D border colours and the control bars' background.
void AfxDrawEtchedBorders(CDC* pDC, CRect& rect, DWORD dwStyle);
