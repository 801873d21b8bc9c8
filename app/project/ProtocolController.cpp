#include "framework/Framework.h"
#include "app/project/ProtocolController.h"
#include "app/project/ProtocolViewport.h"

BEGIN_MESSAGE_MAP(CProtocolController, MvcController)
END_MESSAGE_MAP()

CProtocolModel* CProtocolController::GetModel() const
{
    return dynamic_cast<CProtocolModel*>(MvcController::GetModel());
}

CProtocolViewport* CProtocolController::GetViewport() const
{
    return dynamic_cast<CProtocolViewport*>(GetVisualComponent());
}

BOOL CProtocolController::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return MvcController::OnWndMsg(message, wParam, lParam, pResult);
}
