#include "framework/Framework.h"
#include "framework/HandleMap.h"

namespace {

// Temporary wrappers let go of the handle: they never owned it.
template <class Base>
class CTempGdi : public Base
{
public:
    explicit CTempGdi(HGDIOBJ h) { this->m_hObject = h; }
    ~CTempGdi() override { this->m_hObject = nullptr; }
};

CTempHandleMap<HGDIOBJ, CGdiObject>& TempMap()
{
    static CTempHandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

std::unique_ptr<CGdiObject> MakeTemp(HGDIOBJ h)
{
    switch (::GetObjectType(h)) {
    case OBJ_PEN: case OBJ_EXTPEN: return std::make_unique<CTempGdi<CPen>>(h);
    case OBJ_BRUSH: return std::make_unique<CTempGdi<CBrush>>(h);
    case OBJ_FONT: return std::make_unique<CTempGdi<CFont>>(h);
    case OBJ_BITMAP: return std::make_unique<CTempGdi<CBitmap>>(h);
    case OBJ_PAL: return std::make_unique<CTempGdi<CPalette>>(h);
    case OBJ_REGION: return std::make_unique<CTempGdi<CRgn>>(h);
    default: return std::make_unique<CTempGdi<CGdiObject>>(h);
    }
}

} // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    auto& map = TempMap();
    if (CGdiObject* p = map.Lookup(hObject))
        return p;
    return map.Add(hObject, MakeTemp(hObject));
}

void PASCAL CGdiObject::DeleteTempMap() { TempMap().Clear(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (!CreatePen(nPenStyle, nWidth, crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(COLORREF crColor)
{
    if (!CreateSolidBrush(crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    if (!CreateHatchBrush(nIndex, crColor))
        AfxThrowResourceException();
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) { return Attach(::CreatePatternBrush((HBITMAP)pBitmap->m_hObject)); }

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    const void* p = ::GlobalLock(hPackedDIB);
    BOOL bResult = p != nullptr && Attach(::CreateDIBPatternBrushPt(p, nUsage));
    ::GlobalUnlock(hPackedDIB);
    return bResult;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    LOGFONT lf = *lpLogFont;
    // Tenths of a point to logical units of the DC.
    POINT pt = { 0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720) };
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = { 0, 0 };
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDBitmap), RT_BITMAP);
    COLORMAP standard[] = {
        { RGB(0x00, 0x00, 0x00), ::GetSysColor(COLOR_BTNTEXT) },
        { RGB(0x80, 0x80, 0x80), ::GetSysColor(COLOR_BTNSHADOW) },
        { RGB(0xC0, 0xC0, 0xC0), ::GetSysColor(COLOR_BTNFACE) },
        { RGB(0xFF, 0xFF, 0xFF), ::GetSysColor(COLOR_BTNHIGHLIGHT) },
    };
    if (lpColorMap == nullptr) {
        lpColorMap = standard;
        nMapSize = 4;
    }
    return Attach(::CreateMappedBitmap(hInst, nIDBitmap, (WORD)nFlags, lpColorMap, nMapSize));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = { 0, 0 };
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return CSize(size.cx, size.cy);
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) { return Attach(::CreateHalftonePalette(pDC->m_hDC)); }

int CPalette::GetEntryCount()
{
    WORD nEntries = 0;
    ::GetObjectA(m_hObject, sizeof(WORD), &nEntries);
    return nEntries;
}
