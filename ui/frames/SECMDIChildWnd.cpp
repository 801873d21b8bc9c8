#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)
