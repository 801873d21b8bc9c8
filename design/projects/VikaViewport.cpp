#include "framework/Framework.h"
#include "design/projects/VikaViewport.h"
#include "design/projects/VikaController.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CVikaViewport, CProtocolViewport)

namespace {

const UINT kIcons[] = {IDI_STATUS_OK, IDI_STATUS_MISSING, IDI_STATUS_SHORT, IDI_PROTOCOL_SECTION_EMPTY};

} // namespace

CVikaViewport::CVikaViewport() : CProtocolViewport(IDD_VIKA_FORM, kIcons, 4)
{
    SetContextMenu(IDM_VIKA_CONTEXT);
}

BOOL CVikaViewport::CreateController()
{
    SetController(new CVikaController, TRUE);
    if (GetController())
        GetController()->SetModel(GetModel());
    return TRUE;
}
