// The MDI child frame of a data conversion project.
// Not yet: the "Conversion Tools" toolbar (it waits for the custom toolbar
// of the frames library); the commands are on the menu, the list's context
// menu and the accelerators.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"

class CConversionChildFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CConversionChildFrame)

public:
    CConversionChildFrame() = default;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    DECLARE_MESSAGE_MAP()
};
