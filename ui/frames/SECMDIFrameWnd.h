// The main frame's base: an MDI frame whose bars dock in the library's dock
// bars (SECDockBar, with row shares and splitters), float in the library's
// floating frames, and keep their layout in the profile through
// SECDockState. Custom toolbars and the caption come later; the calls the
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

    // The manager that saves and re-makes the frame's toolbars with the
    // layout; the frame does not own it.
    void SetControlBarManager(SECControlBarManager* pManager) { m_pControlBarManager = pManager; }
    SECControlBarManager* GetControlBarManager() const { return m_pControlBarManager; }

protected:
    SECControlBarManager* m_pControlBarManager = nullptr;
};
