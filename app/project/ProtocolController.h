// The base of the project families' controllers: the view offers every
// command to its controller before its own handling. The families add their
// menu commands in their message maps.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolModel.h"

class CProtocolViewport;

class CProtocolController : public CCmdTarget
{
public:
    CProtocolController() = default;
    ~CProtocolController() override = default;

    void SetModel(CProtocolModel* pModel) { m_pModel = pModel; }
    CProtocolModel* GetModel() const { return m_pModel; }
    void SetViewport(CProtocolViewport* pViewport) { m_pViewport = pViewport; }
    CProtocolViewport* GetViewport() const { return m_pViewport; }

protected:
    CProtocolModel* m_pModel = nullptr;
    CProtocolViewport* m_pViewport = nullptr;

    DECLARE_MESSAGE_MAP()
};
