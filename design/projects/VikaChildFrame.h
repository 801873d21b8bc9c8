// The window of a Vika project: the project view, never split. (The
// family's tool bar comes with the tool bars of the frames.)
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"

class CVikaChildFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CVikaChildFrame)

public:
    CVikaChildFrame() = default;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    DECLARE_MESSAGE_MAP()
};
