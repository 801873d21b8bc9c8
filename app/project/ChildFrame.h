// The application's generic child frame: a dynamic splitter of up to two
// rows and two columns over the document's view.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"

class CChildFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)

public:
    CChildFrame() = default;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    CSplitterWnd m_wndSplitter;

    DECLARE_MESSAGE_MAP()
};
