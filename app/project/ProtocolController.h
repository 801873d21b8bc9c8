// The base of the project families' controllers. It is plugged into the
// family's form view, so its message and command maps see the view's input
// and commands before the view does; the families add their menu commands.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcController.h"
#include "app/project/ProtocolModel.h"

class CProtocolViewport;

class CProtocolController : public MvcController
{
public:
    CProtocolController() = default;
    ~CProtocolController() override = default;

    // The view's project model and the view itself, as the viewport set them.
    CProtocolModel* GetModel() const override;
    CProtocolViewport* GetViewport() const;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    DECLARE_MESSAGE_MAP()
};
