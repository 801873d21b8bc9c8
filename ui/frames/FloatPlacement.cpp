#include "ui/frames/FloatPlacement.h"

#include <algorithm>

namespace {

int Wrap(int nValue, int nExtent)
{
    return nValue > nExtent - kCascadeStart ? kCascadeStart : nValue;
}

// Between nLow and nHigh; nLow wins when the range is empty.
int Between(int nValue, int nLow, int nHigh)
{
    return std::max(nLow, std::min(nValue, nHigh));
}

} // namespace

CPoint NextCascadePosition(CPoint& cascade, CSize client)
{
    CPoint pt = cascade;
    cascade.x = Wrap(cascade.x + 20, client.cx);
    cascade.y = Wrap(cascade.y + 23, client.cy);
    return pt;
}

CPoint ClampIntoWorkArea(CPoint pt, const CRect& rcWork)
{
    return CPoint(Between(pt.x, rcWork.left, rcWork.right - 10), Between(pt.y, rcWork.top, rcWork.bottom - 10));
}

CPoint ClampIntoMDIClient(CPoint pt, CSize client, CSize window)
{
    return CPoint(Between(pt.x, 0, client.cx - window.cx), Between(pt.y, 0, client.cy - 30));
}
