// A multi-document frame whose children are sheets with a row of tabs
// along the bottom of the document area, like the sheets of a spreadsheet:
// clicking a tab activates its sheet, the active tab lies raised in front,
// and labels are shortened with "..." to fit.
// A shortened label is shown whole in a tool tip.
// Not yet: the subclassed MDI client and the control-bar sheet.
#pragma once

#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/WorkbookTabs.h"

#include <vector>

class SECWorksheet;

// Sent to the workbook when the active sheet changed.
constexpr UINT kWorkbookSheetActivated = 0x84D;

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
    virtual void DrawTab(CDC* pDC, SECWorksheet* pSheet);
    virtual void DrawTabRowBorder(CDC* pDC);
    virtual void DrawTabContent(CDC* pDC, SECWorksheet* pSheet);
    virtual HICON GetSheetIcon(SECWorksheet* pSheet);
    virtual void SetSheetIcon(SECWorksheet* pSheet, HICON hIcon, BOOL bRedraw = TRUE);

    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The sheet whose shortened label is under the point: its index + 1.
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
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

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};
