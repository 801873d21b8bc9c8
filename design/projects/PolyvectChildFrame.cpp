#include "framework/Framework.h"
#include "design/projects/PolyvectChildFrame.h"

IMPLEMENT_DYNCREATE(CPolyvectChildFrame, CChildFrame)

BEGIN_MESSAGE_MAP(CPolyvectChildFrame, CChildFrame)
END_MESSAGE_MAP()
