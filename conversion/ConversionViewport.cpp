#include "framework/Framework.h"
#include "conversion/ConversionViewport.h"
#include "conversion/ConversionController.h"
#include "res/ConversionRes.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CConversionViewport, CProtocolViewport)

namespace {

// By the record's status icon: fine, missing, empty or short.
const UINT kStatusIcons[] = {IDI_STATUS_OK, IDI_STATUS_MISSING, IDI_STATUS_SHORT};

} // namespace

CConversionViewport::CConversionViewport()
    : CProtocolViewport(IDD_CONVERSION_FORM, kStatusIcons, 3)
{
}

CConversionViewport::~CConversionViewport() = default;

void CConversionViewport::OnInitialUpdate()
{
    CProtocolViewport::OnInitialUpdate();
    SetContextMenu(IDM_CONVERSION_CONTEXT);
    CConversionModel* pModel = GetConversionModel();
    SetFileCount(pModel ? pModel->GetInfoCount() : 0);
}

void CConversionViewport::RefreshList()
{
    CProtocolViewport::RefreshList();
    CConversionModel* pModel = GetConversionModel();
    if (!pModel)
        return;
    pModel->PurgeRemoved();
    SetFileCount(pModel->GetInfoCount());
}

CProtocolListCtrl& CConversionViewport::GetListCtrl() { return CProtocolViewport::GetListCtrl(); }

void CConversionViewport::SetFileCount(UINT nFiles)
{
    m_strFileCount.Format("%u", nFiles);
    if (GetSafeHwnd() && GetDlgItem(IDC_CONV_FILE_COUNT))
        SetDlgItemText(IDC_CONV_FILE_COUNT, m_strFileCount);
}

BOOL CConversionViewport::CreateController()
{
    SetController(new CConversionController, TRUE);
    return TRUE;
}
