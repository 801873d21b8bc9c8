#include "framework/Portable.h"
#include "design/projects/ProjectRowCells.h"

void SetRowCell(CProtocolListCtrl*, int, int, const CString&)
{
}
