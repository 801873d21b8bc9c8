// SECCustomToolBar: the dockable toolbar of the frames. It holds its own
// button objects (SECStdBtn and kin) rather than a common-control toolbar,
// lays them out in rows for any docking side (ToolBarLayout), draws them
// from a shared image manager (SECBmpMgr), routes command state to them,
// hot-tracks the button under the mouse and sends WM_COMMAND on a click.
// While its manager customises, buttons are selected and dragged between
// bars (ToolBarButtons decides where they land). Its title and buttons go
// into the dock state as SECCustomToolBarInfoEx.
//
// Menu mode (used by the menu bar): one button highlighted, and the
// keyboard and the mouse move between the buttons that drop menus.
//
// Not yet: rebar bands,
// TB_ADDBUTTONS, transparent composition.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECStdBtn.h"
#include "ui/frames/ToolBarButtons.h"

class SECBmpMgr;
class SECToolBarManager;

// Extended styles of the toolbar itself.
enum : DWORD {
    EXSTYLE_STRETCH = 0x0080,
    EXSTYLE_TRANSPARENT = 0x1000,
};

constexpr UINT_PTR kHotTrackTimer = 57346;

class SECCustomToolBar : public SECControlBar
{
    DECLARE_DYNCREATE(SECCustomToolBar)
public:
    SECCustomToolBar();
    ~SECCustomToolBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle = nullptr);
    BOOL CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, UINT nID, DWORD dwStyle, DWORD dwExStyle,
                  const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext = nullptr) override;

    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadToolBarEx(UINT nIDBitmap, const UINT* pIDs, int nCount);
    void SetBmpMgr(SECBmpMgr* pBmpMgr);
    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    void SetManager(SECToolBarManager* pManager) { m_pManager = pManager; }
    SECToolBarManager* GetManager() const { return static_cast<SECToolBarManager*>(m_pManager); }
    void SetButtonStyle(int nIndex, UINT nStyle);
    UINT GetButtonStyle(int nIndex) const;
    void HideButton(int nIndex, BOOL bHide);
    int CommandToIndex(UINT nID) const { return m_btns.CommandToIndex(nID); }
    int ButtonToIndex(const SECStdBtn* pButton) const { return m_btns.IndexOf(pButton); }
    UINT GetItemID(int nIndex) const;
    int GetSelectedIndex() const { return m_bCustomize ? m_btns.m_nSelected : -1; }
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    int GetButtonCount() const { return m_btns.GetCount(); }
    SECStdBtn* GetButton(int nIndex) const { return static_cast<SECStdBtn*>(m_btns.At(nIndex)); }
    void SetCustomizeMode(BOOL bCustomize);
    BOOL IsCustomizeMode() const { return m_bCustomize; }
    void SelectButton(int nIndex, BOOL bRedraw = TRUE);
    void DeselectButton(BOOL bRedraw = TRUE);
    void UpdateHotButton(BOOL bUpdateNow);
    void BroadcastButtonChange(UINT nID, int nCode, const DWORD* pData, BOOL bAllBars);
    void NotifyManager(int nCode);

    virtual BOOL RemoveButton(int nIndex, BOOL bNoRecalc = FALSE);
    virtual void InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bNoRecalc = FALSE);
    virtual int GetImageIndex(UINT nID, HBITMAP* pBitmap = nullptr) const;
    virtual void RecalcButtonSizes();
    virtual BOOL SetButtons(const UINT* pIDs, int nCount);
    virtual void StretchToParent();
    // A menu button asks for its menu: it is open until the owner's
    // handler of the drop notification returns.
    virtual void DropDownButton(SECStdBtn* pButton, UINT_PTR nParam1, UINT_PTR nParam2);
    virtual void CancelMenuMode();
    // The button whose menu is open; -1 for none.
    int GetMenuModeButton() const { return m_nMenuBtn; }
    virtual void EnterMenuMode(int nIndex);
    virtual void EnterMenuModeAt(CPoint point);
    virtual void ExitMenuMode();
    BOOL IsInMenuMode() const { return m_bMenuMode; }
    // The button highlighted in menu mode or last opened; -1 for none.
    int GetCurrentIndex() const { return m_nCurrent; }
    // Presses a button that drops a menu (kinds 3 and 4).
    virtual void OpenNavButton(int nIndex);
    // Visible buttons of kinds 3 and 4: the first, the last, the one after
    // (or before) nFrom (-1 past either end; from -1 the first or the last).
    virtual int FirstNavButton() const { return NextNavButton(-1, TRUE); }
    virtual int LastNavButton() const { return NextNavButton(-1, FALSE); }
    virtual int NextNavButton(int nFrom, BOOL bForward) const;
    virtual int FirstMenuButton() const { return FirstNavButton(); }
    // Shown pressed while its menu is open; -1 for none.
    virtual void SetPressedButton(int nIndex);
    // A mouse message while a menu is open; TRUE when it is used up.
    virtual BOOL FilterMenuModeMouse(UINT message);
    virtual HFONT GetButtonFont() const { return m_hFont; }
    virtual HFONT GetMenuFont() const { return m_hFont; }
    virtual void BalanceRows(int, std::vector<SECTBRow>&) {}
    // The key as it is now: the press that starts a drag may come before
    // the key's message reached this thread.
    virtual BOOL IsCopyKeyDown() const { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }
    virtual BOOL AcceptsButtons() const { return TRUE; }
    virtual void RemoveAllButtons() { m_btns.RemoveAll(); }
    virtual BOOL IsCoolLook() const { return (m_dwExStyle & EXSTYLE_FLAT_BORDERS) != 0; }
    virtual int GetImageWidth() const;
    virtual int GetImageHeight() const;
    virtual int GetButtonWidth() const { return GetImageWidth() + 7; }
    virtual int GetButtonHeight() const { return GetImageHeight() + 7; }
    virtual int GetSeparatorWidth() const { return (GetImageWidth() + 8) / 3; }
    virtual int GetSeparatorHeight() const { return GetImageHeight() + 7; }
    virtual CSize CalcLayout(int nLength, DWORD dwMode);
    virtual void InvalidateButton(int nIndex);
    virtual int HitTestButton(CPoint pt, LPRECT lpRect = nullptr) const;
    virtual void UpdateButtonCmdUI(int nIndex);
    // A dragged button dropped at the rectangle (client coordinates).
    // FALSE when a bar the drop emptied destroyed itself.
    virtual BOOL DropButton(CRect rcDrop, SECStdBtn* pButton, BOOL bCopy, BOOL bNoRecalc);
    virtual SECStdBtn* CreateButton(UINT nID);
    virtual SECStdBtn* CreateSeparator();
    // Drags the button while customising (or with Alt).
    virtual BOOL BeginButtonDrag(int nIndex, CPoint pt);

    // The framework's protocol.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    int OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    void OnGetExtendedBarInfo(SECControlBarInfo* pInfo) override;
    void OnSetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;
    void AddGripperSize(CRect& rect, BOOL bHorz) override;

    int m_nSepWidth = 8;
    DWORD m_dwOrientation = 0;
    DWORD m_dwBarFlags = 0;   // bit 0: buttons stay on this bar
    const SECBtnMapEntry* m_pBtnMap = nullptr;
    const SECBtnMapEntry* m_pSecondBtnMap = nullptr;
    int m_nMaxBtnWidth = 0;
    HFONT m_hFont = nullptr;

    // Handlers.
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCancelMode();
    void OnSysColorChange();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnDestroy();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    // Set while a click's command runs (the command may destroy the bar,
    // open a dialog or start another press).
    static BOOL s_bCommandRunning;
    static BOOL s_bAltDrag;

protected:
    ToolBarMetrics Metrics() const;
    void SendToOwner(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHot(int nIndex);
    const SECBtnMapEntry* FindMapEntry(UINT nID) const;
    // A caption button (kind 5) ending the bar goes to the far end, 2
    // pixels before nRight (client coordinates).
    void MoveEndCaptionButton(int nRight);
    void SetOrientation(const SECBtnList& buttons, DWORD dwOrientation);
    int DockingKind() const;
    bool NeedsLayout(int nKind) const;

    SECBmpMgr* m_pBmpMgr = nullptr;
    CToolBarButtons m_btns;
    BOOL m_bCustomize = FALSE;
    // Tells the owner that menu mode began or ended.
    virtual void OnMenuModeChange(BOOL bEnter);
    void SendBarNotify(int nCode);

    int m_nMenuBtn = -1;         // the button whose menu is open
    BOOL m_bMenuMode = FALSE;    // keyboard menu mode: hot tracking waits
    int m_nCurrent = -1;
    BOOL m_bStale[3] = {TRUE, TRUE, TRUE};   // floating, horizontal, vertical
    CSize m_sizeCached[3];
    int m_nPlacedKind = -1;   // the kind the buttons were last placed for

    DECLARE_MESSAGE_MAP()
};

// The command state of one button.
class SECCustomToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR) override {}
    SECCustomToolBar* m_pToolBar = nullptr;
};
