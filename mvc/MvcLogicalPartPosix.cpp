// The native build has no device contexts to prepare.
#include "mvc/MvcLogicalPart.h"

void MvcLogicalPart::OnPrepareDC(CDC*) {}
