// The list view of a Polyvect project: form 235, three status icons and
// context menu 124; its controller is the Polyvect command handler.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolViewport.h"

class CPolyvectViewport : public CProtocolViewport
{
    DECLARE_DYNCREATE(CPolyvectViewport)

public:
    CPolyvectViewport();
    BOOL CreateController() override;
};
