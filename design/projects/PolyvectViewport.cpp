#include "framework/Framework.h"
#include "design/projects/PolyvectViewport.h"
#include "design/projects/PolyvectController.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CPolyvectViewport, CProtocolViewport)

namespace {

const UINT kIcons[] = {IDI_STATUS_OK, IDI_STATUS_MISSING, IDI_STATUS_SHORT};

} // namespace

CPolyvectViewport::CPolyvectViewport() : CProtocolViewport(IDD_VIKA_FORM, kIcons, 3)
{
    SetContextMenu(IDM_POLYVECT_CONTEXT);
}

BOOL CPolyvectViewport::CreateController()
{
    SetController(new CPolyvectController, TRUE);
    if (GetController())
        GetController()->SetModel(GetModel());
    return TRUE;
}
