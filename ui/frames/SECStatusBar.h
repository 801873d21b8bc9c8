// SECStatusBar: a control bar that is the common status control
// ("msctls_statusbar32") and keeps its own list of panes (id, width, style,
// text). Pane 0 with id 0 is the message pane: the frame's prompts reach it
// as WM_SETTEXT. SECStatusCmdUI lets the idle update reach the panes.
#pragma once

#include "ui/frames/SECControlBar.h"
#include "ui/frames/StatusPaneLayout.h"

#include <vector>

struct SECStatusPane
{
    UINT nID = 0;        // 0: the message pane (a separator)
    int cxText = 0;      // width of the text area in pixels
    UINT nStyle = 0;     // SBPS_*; the low word goes to the control
    UINT nFlags = 0;     // SBPF_UPDATE: the text still has to go to the control
    CString strText;
};

class SECStatusBar : public SECControlBar
{
    DECLARE_DYNAMIC(SECStatusBar)
public:
    SECStatusBar();
    ~SECStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nID) const;
    UINT GetItemID(int nIndex) const { return m_panes[nIndex].nID; }
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetPaneStyle(int nIndex) const { return m_panes[nIndex].nStyle; }
    void SetPaneStyle(int nIndex, UINT nStyle);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    BOOL SetPaneWidth(int nIndex, int cxWidth);
    void GetPaneText(int nIndex, CString& rString) const { rString = m_panes[nIndex].strText; }
    CString GetPaneText(int nIndex) const { return m_panes[nIndex].strText; }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    int GetPaneCount() const { return (int)m_panes.size(); }
    StatusBorders GetBorders() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;

    int m_nMinHeight = 0;

    LRESULT OnNcHitTest(CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);

protected:
    // The pane records; m_nCount follows their number.
    std::vector<SECStatusPane> m_panes;
    BOOL SendPaneText(int nIndex);
    DECLARE_MESSAGE_MAP()
};

// The idle update of one pane: enabling, checking (a popped-out pane) and text.
class SECStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR lpszText) override;
};
