#include "framework/Framework.h"
#include "conversion/ConversionChildFrame.h"

IMPLEMENT_DYNCREATE(CConversionChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CConversionChildFrame, SECMDIChildWnd)
END_MESSAGE_MAP()

BOOL CConversionChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return SECMDIChildWnd::PreCreateWindow(cs);
}
