// The main frame's base: for now a plain MDI frame. Docking, custom toolbars,
// the caption and the status bar with its progress pane come later; the
// calls the application makes of them are here and do nothing yet.
#pragma once

#include "framework/Framework.h"

class SECMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(SECMDIFrameWnd)

public:
    SECMDIFrameWnd() = default;

    void EnableCustomCaption(BOOL /*bEnable*/, BOOL /*bRedraw*/ = TRUE) {}
    void SetCaptionTextAlign(int /*nAlign*/, BOOL /*bRedraw*/ = TRUE) {}
    void EnableDocking(DWORD /*dwDockStyle*/, DWORD /*dwDockBarOption*/ = 0) {}
    virtual void LoadBarState(LPCTSTR /*pszSection*/) {}
    virtual void SaveBarState(LPCTSTR /*pszSection*/) const {}
    virtual BOOL CreateCaptionAppFont(CFont& font);
};
