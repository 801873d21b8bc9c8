#include "framework/Framework.h"
#include "ui/frames/SECBtnDrawData.h"
#include "ui/frames/SECBmpMgr.h"

HBRUSH CreateDitherBrush(COLORREF clrFace, COLORREF clrHilite)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
        DWORD rows[8];
    } dib = {};
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biWidth = 8;
    dib.header.biHeight = 8;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 1;
    dib.header.biCompression = BI_RGB;
    dib.header.biClrUsed = 2;
    const COLORREF colours[2] = {clrFace, clrHilite};
    for (int i = 0; i < 2; ++i)
        dib.colours[i] = RGBQUAD{GetBValue(colours[i]), GetGValue(colours[i]), GetRValue(colours[i]), 0};
    for (int row = 0; row < 8; ++row)
        dib.rows[row] = (row % 2 == 0) ? 0xAA : 0x55; // DIB rows are DWORD-aligned
    return ::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

SECBtnDrawData::SECBtnDrawData()
{
    if (!m_maskDC.CreateCompatibleDC(nullptr) || !m_imageDC.CreateCompatibleDC(nullptr) ||
        !m_faceDC.CreateCompatibleDC(nullptr))
        AfxThrowResourceException();
    RebuildDitherBrush();
    if (m_ditherBrush.m_hObject == nullptr)
        AfxThrowResourceException();
}

SECBtnDrawData::~SECBtnDrawData()
{
    ReleaseBitmaps();
    ReleaseImage();
}

void SECBtnDrawData::RebuildDitherBrush()
{
    const SECSysColorCache& c = SECGetSysColors();
    m_ditherBrush.DeleteObject();
    m_ditherBrush.Attach(CreateDitherBrush(c.clrBtnFace, c.clrBtnHilite));
}

void SECBtnDrawData::ReleaseBitmaps()
{
    if (m_hFaceBitmap != nullptr) {
        ::SelectObject(m_faceDC.m_hDC, m_hOldFace);
        ::DeleteObject(m_hFaceBitmap);
        m_hFaceBitmap = nullptr;
    }
    if (m_hMaskBitmap != nullptr) {
        ::SelectObject(m_maskDC.m_hDC, m_hOldMask);
        ::DeleteObject(m_hMaskBitmap);
        m_hMaskBitmap = nullptr;
    }
    m_size = CSize(0, 0);
}

BOOL SECBtnDrawData::PrepareFace(int x, int y, int cx, int cy)
{
    if (cx > m_size.cx || cy > m_size.cy) {
        ReleaseBitmaps();
        HDC hScreen = ::GetDC(nullptr);
        m_hFaceBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hMaskBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
        if (m_hFaceBitmap == nullptr || m_hMaskBitmap == nullptr) {
            if (m_hFaceBitmap != nullptr)
                ::DeleteObject(m_hFaceBitmap);
            if (m_hMaskBitmap != nullptr)
                ::DeleteObject(m_hMaskBitmap);
            m_hFaceBitmap = m_hMaskBitmap = nullptr;
            return FALSE;
        }
        m_hOldFace = ::SelectObject(m_faceDC.m_hDC, m_hFaceBitmap);
        m_hOldMask = ::SelectObject(m_maskDC.m_hDC, m_hMaskBitmap);
        m_size = CSize(cx, cy);
    }
    // The face DC speaks the toolbar's coordinates; the mask starts at 0, 0.
    ::SetViewportOrgEx(m_faceDC.m_hDC, -x, -y, nullptr);
    return TRUE;
}

void SECBtnDrawData::SelectImage(HBITMAP hBitmap)
{
    if (hBitmap == nullptr || hBitmap == m_hImage)
        return;
    HGDIOBJ hOld = ::SelectObject(m_imageDC.m_hDC, hBitmap);
    if (m_hOldImage == nullptr)
        m_hOldImage = hOld;
    m_hImage = hBitmap;
}

void SECBtnDrawData::ReleaseImage()
{
    if (m_hOldImage == nullptr)
        return;
    ::SelectObject(m_imageDC.m_hDC, m_hOldImage);
    m_hOldImage = nullptr;
    m_hImage = nullptr;
}
