#include "framework/Portable.h"
#include "conversion/ConversionItem.h"

// Without windows there is no list to write into; tests override it.
void CConversionItem::SetCellText(int, const CString&) {}
