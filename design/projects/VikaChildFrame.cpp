#include "framework/Framework.h"
#include "design/projects/VikaChildFrame.h"

IMPLEMENT_DYNCREATE(CVikaChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CVikaChildFrame, SECMDIChildWnd)
END_MESSAGE_MAP()

BOOL CVikaChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    return SECMDIChildWnd::OnCreateClient(lpcs, pContext);
}
