#include "framework/Framework.h"
#include "design/projects/PolyvectController.h"
#include "design/projects/PolyvectCompiler.h"
#include "design/projects/PolyvectProtocolDlg.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectProtocolText.h"
#include "app/project/ProtocolViewport.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CPolyvectController, CDesignProjectController)
    ON_COMMAND(ID_POLYVECT_EDIT_PROTOCOL, OnEditProtocol)
    ON_UPDATE_COMMAND_UI(ID_POLYVECT_EDIT_PROTOCOL, OnUpdateEditProtocol)
    ON_COMMAND(ID_PROJECT_OPEN_ITEM, OnEditProtocol)
END_MESSAGE_MAP()

LPCTSTR CPolyvectController::ProtocolExtension() const
{
    return kPolyvectExtension;
}

std::unique_ptr<CProtocolCompiler> CPolyvectController::MakeCompiler()
{
    return std::make_unique<CPolyvectCompiler>(GetModel(), GetViewport());
}

CString CPolyvectController::SelectedGeometryPath()
{
    auto* pInfo = dynamic_cast<CPolyvectProtocolInfo*>(GetSelectedInfo());
    return pInfo ? pInfo->GetFilePath(CPolyvectProtocolInfo::KindGeometry) : CString();
}

void CPolyvectController::OnEditProtocol()
{
    auto* pInfo = dynamic_cast<CPolyvectProtocolInfo*>(GetSelectedInfo());
    if (!pInfo)
        return;
    CPolyvectProtocolDlg dialog(pInfo, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    pInfo->ReadHeader();
    RefreshRowOf(pInfo);
}

void CPolyvectController::OnUpdateEditProtocol(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelectedInfo() != nullptr);
}
