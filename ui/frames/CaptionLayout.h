// The arithmetic of the frames' own gradient caption: where the caption
// lies, the colour bands of the gradient, the title split into an
// application part and a document part, and where the two parts go.
#pragma once

#include "framework/Geometry.h"
#include "framework/String.h"

#include <vector>

// A colour as 0x00bbggrr, the layout of the platform's COLORREF.
constexpr DWORD CaptionRgb(int r, int g, int b)
{
    return (DWORD)(r & 0xFF) | ((DWORD)(g & 0xFF) << 8) | ((DWORD)(b & 0xFF) << 16);
}

// Most bands a gradient is painted in.
constexpr int kCaptionBands = 60;

struct CaptionBand
{
    CRect rect;
    DWORD colour = 0;
};

// The gradient from crFrom at the left to crTo at the right of rc: at most
// kCaptionBands bands, no more than the rectangle is wide; the channels are
// stepped in fixed point with 8 fractional bits and never pass crTo; every
// band is one pixel wider than its share so neighbours overlap, and the
// last one reaches the right edge. Empty for an empty rectangle.
std::vector<CaptionBand> CaptionGradient(const CRect& rc, DWORD crFrom, DWORD crTo);

// The window's metrics and style as far as the caption needs them.
struct CaptionFrameFacts
{
    CSize window;            // window size
    bool bThickFrame = false;
    CSize sizingFrame;       // SM_CXFRAME, SM_CYFRAME
    CSize border;            // SM_CXBORDER, SM_CYBORDER
    CSize button;            // SM_CXSIZE, SM_CYSIZE
    bool bSysMenu = false;
    bool bMinimizeBox = false;
    bool bMaximizeBox = false;
    bool bCloseEnabled = false;
};

// The caption in window coordinates, less the caption buttons at its right.
CRect CaptionRect(const CaptionFrameFacts& facts);

// The title split at its first '-': the part before in the application
// font, the rest (from the '-') in the document font.
struct CaptionTitle
{
    CString strApp;
    CString strDoc;
};
CaptionTitle SplitCaptionTitle(const CString& strTitle);

// Where the two parts are drawn in rcText (the caption less the icon
// cell). The document part is dropped (empty rectangle) when the room is
// less than the application part plus cxEllipsis (the width of "W...").
// nAlign: 0 left, 1 centred, other values right-aligned.
struct CaptionTextPlace
{
    CRect rcApp;
    CRect rcDoc;
};
CaptionTextPlace PlaceCaptionText(const CRect& rcText, int cxApp, int cxDoc, int cxEllipsis, int nAlign);

// Text starts this far into the caption; the parts are this far apart.
constexpr int kCaptionTextIndent = 3;
constexpr int kCaptionPartGap = 6;
