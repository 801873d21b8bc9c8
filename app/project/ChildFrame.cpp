#include "framework/Framework.h"
#include "app/project/ChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, SECMDIChildWnd)
END_MESSAGE_MAP()

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return m_wndSplitter.Create(this, 2, 2, CSize(10, 10), pContext,
                                WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                                AFX_IDW_PANE_FIRST);
}
