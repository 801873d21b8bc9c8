#include "framework/Framework.h"
#include "ui/frames/SECBmpMgr.h"
#include "framework/GdiScopes.h"

#include <cstdlib>
#include <cstring>

void SECSysColorCache::RefreshSysColors()
{
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
    clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    clrWindow = ::GetSysColor(COLOR_WINDOW);
    clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

SECSysColorCache& SECGetSysColors()
{
    static SECSysColorCache cache = [] {
        SECSysColorCache c;
        c.hcurArrow = ::LoadCursor(nullptr, IDC_ARROW);
        c.RefreshSysColors();
        return c;
    }();
    return cache;
}

SECBmpMgr::SECBmpMgr() = default;
SECBmpMgr::~SECBmpMgr() = default;

void SECBmpMgr::Release()
{
    if (--m_nRefCount == 0)
        delete this;
}

BOOL SECBmpMgr::ReadToolBarResource(UINT nID, std::vector<UINT>& ids, UINT* pWidth, UINT* pHeight,
                                    BOOL bKeepSeparators)
{
    ids.clear();
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCE(nID), MAKEINTRESOURCE(241));
    HGLOBAL hGlobal = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    const auto* pData = hGlobal != nullptr ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    const DWORD nSize = hRes != nullptr ? ::SizeofResource(hInst, hRes) : 0;
    if (pData == nullptr || nSize < 8 || pData[0] != 1)
        return FALSE;
    const UINT nCount = pData[3];
    if (nSize < 8 + 2 * nCount)
        return FALSE;   // a header that claims more items than the resource holds
    if (pWidth != nullptr)
        *pWidth = pData[1];
    if (pHeight != nullptr)
        *pHeight = pData[2];
    for (UINT i = 0; i < nCount; ++i)
        if (pData[4 + i] != 0 || bKeepSeparators)
            ids.push_back(pData[4 + i]);
    return TRUE;
}

BOOL SECBmpMgr::LoadToolBar(UINT nIDToolBar, UINT nIDLargeToolBar, BOOL bMapColours)
{
    std::vector<UINT> ids;
    UINT cx = 0, cy = 0;
    if (!ReadToolBarResource(nIDToolBar, ids, &cx, &cy, FALSE))
        return FALSE;
    if (m_bitmaps.empty()) {
        m_cxSmall = (int)cx;
        m_cySmall = (int)cy;
        std::vector<UINT> largeIDs;
        // A resource named as its own large set gives no large size.
        if (nIDLargeToolBar != 0 && nIDLargeToolBar != nIDToolBar && ReadToolBarResource(nIDLargeToolBar, largeIDs, &cx, &cy, FALSE)) {
            m_cxLarge = (int)cx;
            m_cyLarge = (int)cy;
        }
    }
    // The large set of the same resource would only repeat the small one.
    const UINT nLarge = nIDLargeToolBar == nIDToolBar ? 0 : nIDLargeToolBar;
    return AddBitmap(nIDToolBar, nLarge, ids.data(), (int)ids.size(), bMapColours);
}

BOOL SECBmpMgr::AddBitmap(UINT nIDSmall, UINT nIDLarge, const UINT* pIDs, int nCount, BOOL bMapColours)
{
    auto pInfo = std::make_unique<BmpInfo>();
    pInfo->nIDSmall = nIDSmall;
    pInfo->nIDLarge = nIDLarge;
    pInfo->nCount = 0;
    for (int i = 0; pIDs != nullptr && i < nCount; ++i)
        pInfo->nCount += pIDs[i] != 0 ? 1 : 0;
    pInfo->bMapColours = bMapColours;
    m_map.AddBitmap(pIDs, nCount);
    m_bitmaps.push_back(std::move(pInfo));
    return LoadBitmaps(m_bitmaps.back().get(), TRUE);
}

BOOL SECBmpMgr::GetBitmap(UINT nID, HBITMAP* phBitmap, int* pnIndex, BOOL bSmallOnly) const
{
    CBmpImageMap::Item item;
    if (!m_map.Lookup(nID, item) || item.nBitmap >= (int)m_bitmaps.size())
        return FALSE;
    const BmpInfo& info = *m_bitmaps[(size_t)item.nBitmap];
    if (pnIndex != nullptr)
        *pnIndex = item.nImage;
    if (phBitmap != nullptr)
        *phBitmap = (!m_bSmallImages && !bSmallOnly) ? (HBITMAP)info.bmpLarge.m_hObject : (HBITMAP)info.bmpSmall.m_hObject;
    return TRUE;
}

BOOL SECBmpMgr::LoadBitmaps(BmpInfo* pInfo, BOOL bReload)
{
    if (m_bSmallImages || m_bKeepSmall) {
        if (m_bSmallImages && !m_bKeepSmall)
            pInfo->bmpLarge.DeleteObject();
        if (bReload)
            pInfo->bmpSmall.DeleteObject();
        if (pInfo->bmpSmall.m_hObject == nullptr && !LoadSmallBitmap(pInfo))
            return FALSE;
    }
    if (m_bSmallImages)
        return TRUE;
    if (!m_bKeepSmall)
        pInfo->bmpSmall.DeleteObject();
    if (bReload)
        pInfo->bmpLarge.DeleteObject();
    return pInfo->bmpLarge.m_hObject != nullptr || LoadLargeBitmap(pInfo);
}

BOOL SECBmpMgr::LoadSmallBitmap(BmpInfo* pInfo)
{
    return pInfo->bmpSmall.Attach(LoadSysColorBitmap(pInfo->nIDSmall, pInfo->bMapColours));
}

BOOL SECBmpMgr::LoadLargeBitmap(BmpInfo* pInfo)
{
    if (pInfo->nIDLarge != 0)
        return pInfo->bmpLarge.Attach(LoadSysColorBitmap(pInfo->nIDLarge, pInfo->bMapColours));
    CBitmap small;
    HBITMAP hSmall = (HBITMAP)pInfo->bmpSmall.m_hObject;
    if (hSmall == nullptr) {
        if (!small.Attach(LoadSysColorBitmap(pInfo->nIDSmall, pInfo->bMapColours)))
            return FALSE;
        hSmall = (HBITMAP)small.m_hObject;
    }
    HDC hScreen = ::GetDC(nullptr);
    HDC hSrc = ::CreateCompatibleDC(hScreen);
    HDC hDst = ::CreateCompatibleDC(hScreen);
    HBITMAP hLarge = ::CreateCompatibleBitmap(hScreen, m_cxLarge * std::max(1, pInfo->nCount), m_cyLarge);
    ::ReleaseDC(nullptr, hScreen);
    if (hLarge != nullptr && hSrc != nullptr && hDst != nullptr) {
        CSelectObjectScope selectSrc(hSrc, hSmall);
        CSelectObjectScope selectDst(hDst, hLarge);
        ::SetStretchBltMode(hDst, COLORONCOLOR);
        for (int i = 0; i < pInfo->nCount; ++i)
            ::StretchBlt(hDst, i * m_cxLarge, 0, m_cxLarge, m_cyLarge, hSrc, i * m_cxSmall, 0, m_cxSmall, m_cySmall,
                         SRCCOPY);
    }
    if (hSrc != nullptr)
        ::DeleteDC(hSrc);
    if (hDst != nullptr)
        ::DeleteDC(hDst);
    return pInfo->bmpLarge.Attach(hLarge);
}

BOOL SECBmpMgr::ReloadAll(BOOL bReload)
{
    BOOL bAll = TRUE;
    for (auto& pInfo : m_bitmaps)
        bAll = LoadBitmaps(pInfo.get(), bReload) && bAll;
    return bAll;
}

void SECBmpMgr::SetSmallImages(BOOL bSmall)
{
    if (!bSmall == !m_bSmallImages)
        return;
    m_bSmallImages = bSmall;
    ReloadAll(TRUE);
}

void SECBmpMgr::SetKeepSmall(BOOL bKeep)
{
    if (!bKeep == !m_bKeepSmall)
        return;
    m_bKeepSmall = bKeep;
    ReloadAll(FALSE);
}

HBITMAP SECBmpMgr::LoadSysColorBitmap(UINT nID, BOOL bMapColours)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCE(nID), RT_BITMAP);
    HGLOBAL hGlobal = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    const auto* pHeader = hGlobal != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal)) : nullptr;
    const DWORD nSize = hRes != nullptr ? ::SizeofResource(hInst, hRes) : 0;
    if (pHeader == nullptr || nSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    int nColours = pHeader->biBitCount <= 8 ? (pHeader->biClrUsed ? (int)pHeader->biClrUsed : 1 << pHeader->biBitCount) : 0;
    const size_t nHeader = pHeader->biSize + (size_t)nColours * sizeof(RGBQUAD);
    if (nHeader > nSize)
        return nullptr;
    std::vector<BYTE> info(nHeader);
    std::memcpy(info.data(), pHeader, nHeader);
    if (bMapColours && nColours > 0) {
        const ToolBarSysColours colours{::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNSHADOW),
                                        ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNHIGHLIGHT)};
        MapToolBarColourTable(reinterpret_cast<DWORD*>(info.data() + pHeader->biSize), nColours, colours);
    }
    const size_t nStride = (((size_t)pHeader->biWidth * pHeader->biBitCount + 31) / 32) * 4;
    if (pHeader->biCompression != BI_RGB || pHeader->biWidth <= 0 ||
        nStride * (size_t)std::abs(pHeader->biHeight) > nSize - nHeader)
        return nullptr;
    const BYTE* pBits = reinterpret_cast<const BYTE*>(pHeader) + nHeader;
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateDIBitmap(hScreen, pHeader, CBM_INIT, pBits,
                                       reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}
