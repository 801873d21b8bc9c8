#include "framework/Framework.h"
#include "app/project/ProtocolController.h"

BEGIN_MESSAGE_MAP(CProtocolController, CCmdTarget)
END_MESSAGE_MAP()
