#include "framework/Framework.h"
#include "design/projects/VikaController.h"
#include "design/projects/VikaAddressDlg.h"
#include "design/projects/VikaCompiler.h"
#include "design/projects/VikaCreateProtocolDlg.h"
#include "design/projects/VikaProtocolDlg.h"
#include "design/projects/VikaProtocolInfo.h"
#include "app/project/ProtocolViewport.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVikaController, CDesignProjectController)
    ON_COMMAND(ID_VIKA_EDIT_ORG, OnEditOrg)
    ON_COMMAND(ID_VIKA_EDIT_UP, OnEditUp)
    ON_COMMAND(ID_VIKA_EDIT_DWN, OnEditDwn)
    ON_COMMAND(ID_VIKA_EDIT_ADR, OnEditAddressFile)
    ON_UPDATE_COMMAND_UI(ID_VIKA_EDIT_ORG, OnUpdateEditOrg)
    ON_UPDATE_COMMAND_UI(ID_VIKA_EDIT_UP, OnUpdateEditUp)
    ON_UPDATE_COMMAND_UI(ID_VIKA_EDIT_DWN, OnUpdateEditDwn)
    ON_UPDATE_COMMAND_UI(ID_VIKA_EDIT_ADR, OnUpdateEditAdr)
    ON_COMMAND(ID_VIKA_NEW_PROTOCOL, OnNewProtocol)
    ON_COMMAND(ID_VIKA_NEW_ADR, OnNewAddressFile)
    ON_COMMAND(ID_VIKA_OPEN_PROTOCOL, OnOpenProtocol)
    ON_UPDATE_COMMAND_UI(ID_VIKA_OPEN_PROTOCOL, OnUpdateEditOrg)
    ON_COMMAND(ID_PROJECT_OPEN_ITEM, OnOpenProtocol)
END_MESSAGE_MAP()

BOOL CVikaController::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CDesignProjectController::OnWndMsg(message, wParam, lParam, pResult);
}

LPCTSTR CVikaController::ProtocolExtension() const
{
    return g_strVikaExtensions[VikaOrg];
}

std::unique_ptr<CProtocolCompiler> CVikaController::MakeCompiler()
{
    return std::make_unique<CVikaCompiler>(GetModel(), GetViewport());
}

CVikaProtocolInfo* CVikaController::GetSelectedProtocol() const
{
    return dynamic_cast<CVikaProtocolInfo*>(GetSelectedInfo());
}

CString CVikaController::SelectedGeometryPath()
{
    CVikaProtocolInfo* pInfo = GetSelectedProtocol();
    return pInfo ? pInfo->GetFilePath(VikaXyz) : CString();
}

void CVikaController::UpdateFileCommand(CCmdUI* pCmdUI, int nKind)
{
    CVikaProtocolInfo* pInfo = GetSelectedProtocol();
    pCmdUI->Enable(pInfo && pInfo->FileExists(nKind));
}

void CVikaController::EditProtocolFile(int nSection)
{
    CVikaProtocolInfo* pInfo = GetSelectedProtocol();
    if (!pInfo)
        return;
    CVikaProtocolDlg dialog(pInfo, g_strVikaExtensions[nSection], nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    pInfo->ReadHeader();
    RefreshRowOf(pInfo);
}

void CVikaController::OnEditAddressFile()
{
    CVikaProtocolInfo* pInfo = GetSelectedProtocol();
    if (!pInfo)
        return;
    CVikaAddressDlg dialog(pInfo, nullptr, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    pInfo->ReadHeader();
    RefreshRowOf(pInfo);
}

void CVikaController::OnNewProtocol()
{
    CVikaCreateProtocolDlg dialog(GetModel(), nullptr);
    if (dialog.DoModal() == IDOK)
        GetViewport()->RefreshList();
}

void CVikaController::OnNewAddressFile()
{
    const CString strFolder = GetModel()->GetSourceFolder();
    CVikaAddressDlg dialog(nullptr, &strFolder, nullptr);
    dialog.DoModal();
}

void CVikaController::OnOpenProtocol()
{
    CVikaProtocolInfo* pInfo = GetSelectedProtocol();
    if (pInfo)
        AfxGetApp()->OpenDocumentFile(pInfo->GetFilePath(VikaOrg));
}
