// A multi-document frame whose children are sheets with a row of tabs
// along the bottom of the document area, like the sheets of a spreadsheet:
// clicking a tab activates its sheet, the active tab lies raised in front,
// and labels are shortened with "..." to fit.
// A shortened label is shown whole in a tool tip. The MDI client is
// subclassed (SECWorkbookClient) and keeps the tab row free below itself.
// SECControlBarWorksheet is a sheet that shows a control bar instead of a view.
#pragma once

#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/WorkbookTabs.h"

#include <vector>

class SECWorksheet;

// Sent to the workbook when the active sheet changed.
constexpr UINT kWorkbookSheetActivated = 0x84D;
// Sent to the workbook's MDI client when a sheet's title changed.
constexpr UINT kWorkbookSheetRenamed = 0x84E;

// The workbook's MDI client: wherever the frame's layout puts it, it keeps
// its margins free, so that the tabs have their row without a second move.
class SECWorkbookClient : public CWnd
{
    DECLARE_DYNCREATE(SECWorkbookClient)

public:
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom);
    int m_nLeftMargin = 0;
    int m_nTopMargin = 0;
    int m_nRightMargin = 0;
    int m_nBottomMargin = 0;

protected:
    afx_msg void OnWindowPosChanging(WINDOWPOS* pPos);
    afx_msg LRESULT OnSheetRenamed(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class SECWorkbook : public SECMDIFrameWnd
{
    DECLARE_DYNCREATE(SECWorkbook)

public:
    SECWorkbook();

    void SetShowTabs(BOOL bShow);
    BOOL GetShowTabs() const { return m_bShowTabs; }
    void SetShowIcons(BOOL bShow) { m_bShowIcons = bShow; }
    int GetSheetCount() const { return (int)m_sheets.size(); }
    SECWorksheet* GetSheet(int nIndex) const { return m_sheets[nIndex]; }
    int GetTabWidth() const { return m_metrics.nTabWidth; }
    int GetActiveIndex() const { return m_nActiveIndex; }

    virtual CRect GetTabAreaRect();
    virtual BOOL CanActivateSheet(SECWorksheet* pSheet);
    virtual void AddSheet(SECWorksheet* pSheet);
    virtual void RemoveSheet(SECWorksheet* pSheet);
    virtual BOOL IsTabTextWhole(SECWorksheet* pSheet);
    virtual TabPolygon GetTabPolygon(SECWorksheet* pSheet);
    virtual CString GetSheetText(SECWorksheet* pSheet);
    // Where a tab's label goes: right of its icon, inside the slanted sides.
    virtual void GetTabTextRect(const TabPolygon& points, int nIconWidth, RECT& rect);
    virtual void DrawTab(CDC* pDC, SECWorksheet* pSheet);
    virtual void DrawTabRowBorder(CDC* pDC);
    virtual void DrawTabContent(CDC* pDC, SECWorksheet* pSheet);
    virtual HICON GetSheetIcon(SECWorksheet* pSheet);
    virtual void SetSheetIcon(SECWorksheet* pSheet, HICON hIcon, BOOL bRedraw = TRUE);

    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The sheet whose shortened label is under the point: its index + 1.
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    SECWorkbookClient& GetClient() { return m_wndClient; }
    void InvalidateTab(SECWorksheet* pSheet, BOOL bToRight = FALSE);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSheetActivated(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int VisiblePosition(SECWorksheet* pSheet) const;
    bool IsActiveSheet(SECWorksheet* pSheet) const;
    CRect ClientRectInFrame() const;
    void UpdateTabWidth();
    CRect TabTextRect(SECWorksheet* pSheet);

    std::vector<SECWorksheet*> m_sheets;
    SECWorkbookClient m_wndClient;
    BOOL m_bShowTabs = FALSE;
    BOOL m_bShowIcons = TRUE;
    CFont m_font;
    CPen m_penHighlight;
    CPen m_penBlack;
    CPen m_penShadow;
    CPen m_penFace;
    WorkbookTabMetrics m_metrics;
    CRect m_rcLastClient;
    BOOL m_bRepaintOnResize = FALSE;
    int m_nActiveIndex = 0;
    CString m_strTipText;
};

class SECWorksheet : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(SECWorksheet)

public:
    HICON m_hIcon = nullptr;
    int m_nIndex = -1;
    BOOL m_bPressed = FALSE;

    SECWorkbook* GetWorkbook() const;

    // The tab follows a new title.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};

// A sheet that shows a control bar instead of a view: the bar fills the
// sheet, names it, and lends it the icon of the first window it holds that
// has one (the system's window logo otherwise).
class SECControlBarWorksheet : public SECWorksheet
{
    DECLARE_DYNCREATE(SECControlBarWorksheet)

public:
    static constexpr UINT kBarID = 59423;

    // The bar to show, before the sheet is created; the sheet's own otherwise.
    void SetControlBar(SECControlBar* pBar) { m_pBar = pBar; }
    SECControlBar* GetControlBar() const { return m_pBar; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    HICON HostedIcon() const;

    SECControlBar m_wndBar;
    SECControlBar* m_pBar = &m_wndBar;
};
