// The part list of a composite viewport: drawing only what meets the update
// area, and finding the part under a point.
#pragma once

#include "mvc/CCArray.h"
#include "mvc/MvcVisualComponent.h"

using MvcPartList = CCArray_T<MvcVisualPart*>;

// Draws, first added first, the parts whose bounds meet the logical area;
// answers how many were drawn.
int MvcDrawPartsIn(const MvcPartList& parts, CDC* pDC, const CRect& area);
// The first part, in list order, whose bounds hold the logical point.
MvcVisualPart* MvcFindPartAt(const MvcPartList& parts, const CPoint& point);
// Deletes every part, last first, and empties the list.
void MvcDeleteAllParts(MvcPartList& parts);
