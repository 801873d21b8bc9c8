// The list view of a Vika project: form 235, the four status icons and
// context menu 120; its controller is the Vika command handler.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolViewport.h"

class CVikaViewport : public CProtocolViewport
{
    DECLARE_DYNCREATE(CVikaViewport)

public:
    CVikaViewport();
    BOOL CreateController() override;
};
