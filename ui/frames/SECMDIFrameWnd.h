// The main frame's base: an MDI frame that docks and floats bars through
// the framework and keeps their layout in the profile. Custom toolbars and
// the caption come later; the calls the application makes of them are here
// and do nothing yet.
#pragma once

#include "framework/Framework.h"

class SECMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(SECMDIFrameWnd)

public:
    SECMDIFrameWnd() = default;

    void EnableCustomCaption(BOOL /*bEnable*/, BOOL /*bRedraw*/ = TRUE) {}
    void SetCaptionTextAlign(int /*nAlign*/, BOOL /*bRedraw*/ = TRUE) {}
    void EnableDocking(DWORD dwDockStyle, DWORD /*dwDockBarOption*/ = 0) { CMDIFrameWnd::EnableDocking(dwDockStyle); }
    void LoadBarState(LPCTSTR pszSection) override { CMDIFrameWnd::LoadBarState(pszSection); }
    void SaveBarState(LPCTSTR pszSection) const override { CMDIFrameWnd::SaveBarState(pszSection); }
    virtual BOOL CreateCaptionAppFont(CFont& font);
};
