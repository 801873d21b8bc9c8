// SECControlBar: the base of every dockable bar of the library (status bar,
// dialog bar, custom toolbar). Beyond the framework's bar it remembers a
// size per docking kind (top or bottom, left or right, floating), its share
// of its dock row, an extended style, and draws a gripper with hide and
// expand buttons. Its context menu offers "Allow Docking" and "Hide"; its
// children keep their proportions or fill it when it is resized.
//
// Not yet: the control-bar manager (type ids), rebar hosting.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/BarGeometry.h"
#include "res/FramesRes.h"

#include <memory>
#include <vector>

class SECControlBarInfo;
class SECDockContext;

// Commands of the bar's context menu.
#define ID_SEC_ALLOW_DOCKING       43040
#define ID_SEC_HIDE                43041
#define ID_SEC_FLOAT_IN_MAIN_WND   43042
// The frame may add to a bar's context menu: wParam the bar, lParam the CMenu*.
#define WM_SEC_EXTEND_CONTEXT_MENU 0x38FF

// The gripper's measures and tip texts.
class SECGripperInfo : public CObject
{
public:
    SECGripperInfo();
    virtual int GetWidth() const { return kGripperSize; }
    virtual int GetHeight() const { return kGripperSize; }
    int m_nInset = kGripperInset;
    CString m_strHideTip, m_strExpandTip, m_strContractTip;
};

class SECControlBar : public CControlBar
{
    DECLARE_DYNAMIC(SECControlBar)
public:
    SECControlBar();
    ~SECControlBar() override;

    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, UINT nID, DWORD dwStyle, DWORD dwExStyle,
                          const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext = nullptr);
    virtual void GetInsideRect(CRect& rect);
    virtual CDockContext* CreateDockContext();
    virtual void SetExtendedStyle(DWORD dwExStyle, BOOL bRedraw = TRUE);
    virtual void ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    void DrawBorders(CDC* pDC, CRect& rect) override;
    virtual void GetExtendedBarInfo(SECControlBarInfo* pInfo);
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bVertGripper) const;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override { CalcInsideRect(rect, bHorz, TRUE); }

    // Hooks for the dock bar and dock context, empty here. The frames call
    // OnBarBeginDock just before they dock a bar and OnBarEndDock after.
    virtual void OnBarBeginDock() { OnBarDock(); }
    virtual void OnBarDock() {}
    virtual void OnBarEndDock() {}
    virtual void OnBarBeginFloat() { OnBarFloat(); }
    virtual void OnBarFloat() {}
    virtual void OnBarEndFloat() {}
    virtual void OnBarBeginMDIFloat() { OnBarMDIFloat(); }
    virtual void OnBarMDIFloat() {}
    virtual void OnBarEndMDIFloat() {}

    virtual void OnGetExtendedBarInfo(SECControlBarInfo*) {}
    virtual void OnSetExtendedBarInfo(SECControlBarInfo*, CFrameWnd*) {}
    virtual void OnBuildContextMenu(CMenu*) {}
    virtual BOOL CanHide() { return TRUE; }
    virtual BOOL CanExpand() { return TRUE; }
    virtual void AddGripperSize(CRect& rect, BOOL bHorz);
    // The border lines the non-client frame holds, each side's width.
    CRect NonClientBorders() const;
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    virtual void DrawHideButton(CDC* pDC, CRect& rect, BOOL bHorz);
    virtual void DrawHideButtonPressed(CDC* pDC);
    virtual void DrawHideButtonNormal(CDC* pDC);
    virtual void DrawExpandButton(CDC* pDC, CRect& rect, BOOL bHorz);
    virtual void DrawExpandButtonPressed(CDC* pDC);
    virtual void DrawExpandButtonNormal(CDC* pDC);
    virtual void UpdateExpandState(BOOL bHorz);

    // The framework's protocol.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    void DoPaint(CDC* pDC) override;
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    void EnableDocking(DWORD dwDockStyle);
    void SetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    // Row, column, dock bar id and share; FALSE when no dock bar holds the bar.
    BOOL GetDockPosition(int& nRow, int& nCol, UINT& nDockBarID, float& fPctWidth) const;
    // The MDI child window the bar floats in, or null.
    CWnd* GetMDIFloatingFrame() const;
    DWORD GetExtendedStyle() const { return m_dwExStyle; }
    BOOL IsDocked() const { return m_pDockBar != nullptr && !IsFloating(); }

    CSize m_szHorz;     // docked top or bottom
    CSize m_szVert;     // docked left or right
    CSize m_szFloat;    // floating
    DWORD m_dwMRUDockingState = 0;
    float m_fPctWidth = 1.0f;
    float m_fSavedPctWidth = 1.0f;
    DWORD m_dwExStyle = 0;
    CRect m_rcBorder{10, 10, 10, 10};
    void* m_pManager = nullptr;
    SECGripperInfo m_gripper;
    CRect m_rcHideBtn, m_rcExpandBtn;
    BOOL m_bHidePressed = FALSE;
    BOOL m_bExpandPressed = FALSE;
    BOOL m_bExpandEnabled = TRUE;
    BOOL m_bExpanded = TRUE;
    BOOL m_bExpandHorz = TRUE;
    // First the client rectangle at recording, then each child's.
    std::unique_ptr<std::vector<std::pair<HWND, CRect>>> m_pChildRects;
    HWND m_hWndRedraw = nullptr;

    static const CSize kDefaultSize;

    // Handlers.
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    void OnContextMenu(CWnd* pWnd, CPoint pt);
    void OnAllowDocking();
    void OnHide();
    void OnFloatInMainWnd();

protected:
    void RecordChildRects();
    void LayoutChildren(int cx, int cy);
    BOOL IsOnHideButton(CPoint pt) const;
    BOOL IsOnExpandButton(CPoint pt) const;
    void PaintGripper();
    DECLARE_MESSAGE_MAP()
};

// Set while a layout moves bars without redrawing them (the dock bars
// raise it); children then move with SWP_NOREDRAW too.
extern int g_nSECDockRedrawLock;
