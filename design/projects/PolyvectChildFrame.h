// The window of a Polyvect project: the "Polyvect Tools" tool bar across
// the top (never docked: it stretches to the frame) over the project view
// in the project framework's splitter.
#pragma once

#include "framework/Framework.h"
#include "app/project/ChildFrame.h"
#include "ui/frames/SECCustomToolBar.h"

class CPolyvectChildFrame : public CChildFrame
{
    DECLARE_DYNCREATE(CPolyvectChildFrame)

public:
    CPolyvectChildFrame() = default;

    SECCustomToolBar& GetToolBar() { return m_wndToolBar; }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnSize(UINT nType, int cx, int cy);

    SECCustomToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
