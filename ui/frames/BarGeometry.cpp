#include "ui/frames/BarGeometry.h"

#include <algorithm>

CSize CalcBarDynamicLayout(BarSizes& sizes, int nLength, DWORD dwMode, float fPctWidth)
{
    CSize& target = (dwMode & LM_HORZDOCK) ? sizes.szHorz : (dwMode & LM_VERTDOCK) ? sizes.szVert : sizes.szFloat;
    if (dwMode & LM_COMMIT) {
        int nStored = (dwMode & LM_STRETCH) ? (int)((float)nLength * fPctWidth) : nLength;
        if (dwMode & LM_LENGTHY)
            target.cy = nStored;
        else
            target.cx = nStored;
        if (&target == &sizes.szFloat)
            sizes.nMRUWidth = sizes.szFloat.cx;
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return (dwMode & LM_HORZ) ? sizes.szHorz : sizes.szVert;
    return sizes.szFloat;
}

CRect CalcChildArea(const ChildAreaInput& in)
{
    CPoint origin(0, 0);
    CSize size = in.sizeClient;
    if ((in.dwExStyle & EXSTYLE_GRIPPER) && in.bDocked) {
        if (in.bHorz) {
            origin = CPoint(kGripperSize, kGripperInset);
            size.cx -= kGripperSize + kGripperInset;
            size.cy -= 2 * kGripperInset;
        } else {
            origin = CPoint(kGripperInset, kGripperSize);
            size.cx -= 2 * kGripperInset;
            size.cy -= kGripperSize + kGripperInset;
        }
    } else if (in.dwExStyle & EXSTYLE_BORDER_SPACE) {
        origin = CPoint(in.rcBorder.left, in.rcBorder.top);
        size.cx -= in.rcBorder.left + in.rcBorder.right;
        size.cy -= in.rcBorder.top + in.rcBorder.bottom;
    }
    size.cx = std::max<LONG>(0, size.cx);
    size.cy = std::max<LONG>(0, size.cy);
    return CRect(origin, size);
}

namespace {

int ScaleEdge(int n, int nNow, int nRecorded)
{
    if (nRecorded == 0)
        return n;
    return (int)((long long)n * nNow / nRecorded);
}

} // namespace

CRect ScaleChildRect(const CRect& rc, CSize sizeRecorded, CSize sizeNow, CPoint ptOrigin)
{
    CRect out(ScaleEdge(rc.left, sizeNow.cx, sizeRecorded.cx), ScaleEdge(rc.top, sizeNow.cy, sizeRecorded.cy),
              ScaleEdge(rc.right, sizeNow.cx, sizeRecorded.cx), ScaleEdge(rc.bottom, sizeNow.cy, sizeRecorded.cy));
    out.OffsetRect(ptOrigin.x, ptOrigin.y);
    return out;
}
