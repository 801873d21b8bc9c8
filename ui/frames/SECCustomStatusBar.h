// SECCustomStatusBar: the status bar with owner-drawn panes (colours,
// alignment, a bitmap or a cursor per pane), child windows placed in panes,
// and the progress pane: a progress control that covers the bar to the
// right of a caption while a long operation runs. The main frame's one is
// the application's progress sink (IProgressPane).
#pragma once

#include "ui/frames/SECStatusBar.h"
#include "framework/HostServices.h"
#include "mvc/controls/ProgressCtrl.h"

#include <memory>

// PaneInfoEx::nMask bits; any of the first three reads all three.
enum : UINT {
    SBP_ID = 0x1,
    SBP_STYLE = 0x2,
    SBP_WIDTH = 0x4,
    SBP_TEXT = 0x8,
    SBP_TEXTALIGN = 0x10,
    SBP_TEXTCOLOR = 0x20,
    SBP_BKCOLOR = 0x40,
    SBP_BITMAP = 0x80,
    SBP_CURSOR = 0x100,
};

// Placement flags of a pane's child window.
enum : UINT {
    SBP_CTRL_KEEP_WIDTH = 0x1,
    SBP_CTRL_KEEP_HEIGHT = 0x2,
    SBP_CTRL_INSET = 0x4,
};

struct PaneInfoEx
{
    int nIndex = 0;
    UINT nID = 0;
    UINT nStyle = 0;
    int cxWidth = 0;
    CString strText;
    COLORREF crText = 0;
    COLORREF crBk = 0;
    CBitmap* pBitmap = nullptr;
    HCURSOR hCursor = nullptr;
    UINT nAlign = 0;
    UINT nMask = 0;
};

struct PaneExtra
{
    COLORREF crText = 0;
    COLORREF crBk = 0;
    CBitmap* pBitmap = nullptr;   // not owned
    HCURSOR hCursor = nullptr;
    UINT nAlign = 0;
    UINT nFlags = 0;              // which of the above are set (the SBP_ mask bits 0x1F0)
};

class SECCustomStatusBar : public SECStatusBar, public IProgressPane
{
    DECLARE_DYNAMIC(SECCustomStatusBar)
public:
    SECCustomStatusBar();
    ~SECCustomStatusBar() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL BeginProgress(LPCTSTR lpszText, int nLower, int nUpper, BOOL bSetPos, DWORD dwProgressStyle,
                       int nStep) override;
    void EndProgress() override;
    virtual void ShowPaneControls(BOOL bShow);
    virtual void RepositionPaneControls();

    void SetProgressPos(int nPos) override;
    void StepProgress() override;
    BOOL IsProgressShown() const { return m_pProgress != nullptr; }
    SECProgressCtrl* GetProgressCtrl() const { return m_pProgress.get(); }

    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    void SetPaneControl(int nIndex, CWnd* pWnd, int nMode, UINT nFlags);
    CWnd* GetPaneControl(int nIndex) const;
    UINT GetPaneControlFlags(int nIndex) const;
    void GetPaneInfoEx(PaneInfoEx* pInfo) const;
    void SetPaneInfoEx(PaneInfoEx* pInfo, BOOL bAdjustHeight);
    void GetPaneRect(int nIndex, LPRECT lpRect) const;
    int PaneFromPoint(CPoint pt) const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSetFont(CFont* pFont, BOOL bRedraw);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

protected:
    int TextWidth(const CString& str) const;
    // The progress control to the bar's right edge, or else the pane windows onto their panes.
    void FitPaneWindows();

    std::unique_ptr<SECProgressCtrl> m_pProgress;
    std::unique_ptr<PaneInfoEx> m_pSavedPane;
    std::vector<PaneExtra> m_paneExtras;
    CPtrArray m_arrPaneCtrls;        // CWnd*, not owned
    CUIntArray m_arrPaneCtrlFlags;

    DECLARE_MESSAGE_MAP()
};
