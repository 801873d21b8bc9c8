// The project and chart child frames' base: for now a plain MDI child.
#pragma once

#include "framework/Framework.h"

class SECMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(SECMDIChildWnd)

public:
    SECMDIChildWnd() = default;
};
