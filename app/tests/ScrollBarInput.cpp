#include "app/tests/ScrollBarInput.h"

void PressOnScrollBar(HWND hBar, ScrollBarPart part, int nDrag)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(hBar, OBJID_CLIENT, &info))
        return;
    const bool bHorz = (GetWindowLongA(hBar, GWL_STYLE) & SBS_VERT) == 0;
    const int nLength = bHorz ? info.rcScrollBar.right - info.rcScrollBar.left
                              : info.rcScrollBar.bottom - info.rcScrollBar.top;
    const int nAcross = (bHorz ? info.rcScrollBar.bottom - info.rcScrollBar.top
                               : info.rcScrollBar.right - info.rcScrollBar.left) / 2;
    const int nThumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    int nFrom = nThumb;
    switch (part) {
    case ScrollBarPart::ArrowOn: nFrom = nLength - info.dxyLineButton / 2; break;
    case ScrollBarPart::TroughOn: nFrom = (info.xyThumbBottom + nLength - info.dxyLineButton) / 2; break;
    case ScrollBarPart::ArrowBack: nFrom = info.dxyLineButton / 2; break;
    case ScrollBarPart::Thumb: break;
    }
    const int nTo = part == ScrollBarPart::Thumb ? nFrom + nDrag : nFrom;
    const auto at = [&](int nAlong) {
        return bHorz ? MAKELPARAM(nAlong, nAcross) : MAKELPARAM(nAcross, nAlong);
    };
    // Queued first: the bar's tracking loop takes them after the press.
    PostMessageA(hBar, WM_MOUSEMOVE, MK_LBUTTON, at(nTo));
    PostMessageA(hBar, WM_LBUTTONUP, 0, at(nTo));
    SendMessageA(hBar, WM_LBUTTONDOWN, MK_LBUTTON, at(nFrom));
}
