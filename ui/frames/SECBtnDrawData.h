// The drawing scratch of toolbar buttons: a button composes its face in a
// memory DC (edges, image, state looks through a mask) and copies it to the
// toolbar in one step, so a repaint never shows half a button. One per
// toolbar manager, or per toolbar without one; the dither brush follows the
// system colours.
#pragma once

#include "framework/Framework.h"

class SECBtnDrawData
{
public:
    // Raises the resource exception when a memory DC or the brush cannot be made.
    SECBtnDrawData();
    ~SECBtnDrawData();
    SECBtnDrawData(const SECBtnDrawData&) = delete;
    SECBtnDrawData& operator=(const SECBtnDrawData&) = delete;

    // Face and mask bitmaps of at least cx x cy, the face DC's origin at
    // (x, y) of the toolbar; FALSE when the bitmaps cannot be made.
    BOOL PrepareFace(int x, int y, int cx, int cy);
    // The strip the next image is copied from.
    void SelectImage(HBITMAP hBitmap);
    // The image DC lets go of the strip (which its manager may replace).
    void ReleaseImage();
    // The checkerboard of face and highlight colours, after a colour change.
    void RebuildDitherBrush();

    CDC m_maskDC;
    CDC m_imageDC;
    CDC m_faceDC;
    CBrush m_ditherBrush;

private:
    void ReleaseBitmaps();

    HBITMAP m_hFaceBitmap = nullptr;
    HGDIOBJ m_hOldFace = nullptr;
    HBITMAP m_hMaskBitmap = nullptr;
    HGDIOBJ m_hOldMask = nullptr;
    HGDIOBJ m_hOldImage = nullptr;
    HBITMAP m_hImage = nullptr;
    CSize m_size;
};

// The dither pattern brush: colour 0 the face, colour 1 the highlight, rows
// alternating 0xAA and 0x55. NULL when it cannot be made.
HBRUSH CreateDitherBrush(COLORREF clrFace, COLORREF clrHilite);
