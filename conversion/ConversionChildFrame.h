// The MDI child frame of a data conversion project, with its "Conversion
// Tools" toolbar across the top (never docked: it stretches to the frame).
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECMDIChildWnd.h"

class CConversionChildFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CConversionChildFrame)

public:
    CConversionChildFrame() = default;

    SECCustomToolBar& GetToolBar() { return m_wndToolBar; }
    // The project's title, marked " *" while it has unsaved changes.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void ShowModifiedMark();
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnSize(UINT nType, int cx, int cy);

    SECCustomToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
