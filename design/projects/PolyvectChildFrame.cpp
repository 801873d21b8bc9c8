#include "framework/Framework.h"
#include "design/projects/PolyvectChildFrame.h"

IMPLEMENT_DYNCREATE(CPolyvectChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CPolyvectChildFrame, SECMDIChildWnd)
END_MESSAGE_MAP()

BOOL CPolyvectChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    return SECMDIChildWnd::OnCreateClient(lpcs, pContext);
}
