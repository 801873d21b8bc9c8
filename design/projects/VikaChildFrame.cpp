#include "framework/Framework.h"
#include "design/projects/VikaChildFrame.h"

IMPLEMENT_DYNCREATE(CVikaChildFrame, CChildFrame)

BEGIN_MESSAGE_MAP(CVikaChildFrame, CChildFrame)
END_MESSAGE_MAP()
