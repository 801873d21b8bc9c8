// The main frame's base: an MDI frame whose bars dock in the library's dock
// bars (SECDockBar, with row shares and splitters), float in the library's
// floating frames, and keep their layout in the profile through
// SECDockState. A bar may also float as an MDI child window of the frame
// ("Float In Main Window"). Custom toolbars and the caption come later; the calls the
// application makes of them are here and do nothing yet.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBarManager.h"

class SECMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(SECMDIFrameWnd)

public:
    SECMDIFrameWnd() = default;

    void EnableCustomCaption(BOOL /*bEnable*/, BOOL /*bRedraw*/ = TRUE) {}
    void SetCaptionTextAlign(int /*nAlign*/, BOOL /*bRedraw*/ = TRUE) {}
    // A SECDockBar on each side asked for; dwDockBarOption is the dock
    // bars' extended style.
    void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption = 0);
    // The bar layout of the profile sections "<name>-Summary" and
    // "<name>-Bar<n>".
    void LoadBarState(LPCTSTR pszSection) override;
    void SaveBarState(LPCTSTR pszSection) const override;
    virtual BOOL CreateCaptionAppFont(CFont& font);

    // The bar alone in a control-bar MDI child at pt (screen coordinates;
    // a negative coordinate takes the next cascade place).
    virtual void FloatControlBarInMDIChild(CControlBar* pBar, CPoint pt, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMDIChildWnd* CreateControlBarMDIChild();
    // A bar floating in an MDI child shows and hides with the child.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) override;
    // Set while a bar moves into or out of an MDI child.
    BOOL IsTogglingMDIFloat() const { return m_bTogglingMDIFloat; }
    BOOL m_bTogglingMDIFloat = FALSE;

    // The bar context menu's extension (wParam the bar, lParam the CMenu*).
    LRESULT OnExtendContextMenu(WPARAM wParam, LPARAM lParam);

    // The manager that saves and re-makes the frame's toolbars with the
    // layout; the frame does not own it.
    void SetControlBarManager(SECControlBarManager* pManager) { m_pControlBarManager = pManager; }
    SECControlBarManager* GetControlBarManager() const { return m_pControlBarManager; }

protected:
    SECControlBarManager* m_pControlBarManager = nullptr;
    CRuntimeClass* m_pControlBarChildClass = nullptr;
    CPoint m_ptCascade{30, 30};

    DECLARE_MESSAGE_MAP()
};
