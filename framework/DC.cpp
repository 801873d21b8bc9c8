#include "framework/Framework.h"
#include "framework/HandleMap.h"

namespace {

class CTempDC : public CDC
{
public:
    explicit CTempDC(HDC h) { m_hDC = m_hAttribDC = h; }
    ~CTempDC() override { m_hDC = m_hAttribDC = nullptr; }
};

CTempHandleMap<HDC, CDC>& TempMap()
{
    static CTempHandleMap<HDC, CDC> map;
    return map;
}

} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    auto& map = TempMap();
    if (CDC* p = map.Lookup(hDC))
        return p;
    return map.Add(hDC, std::make_unique<CTempDC>(hDC));
}

void PASCAL CDC::DeleteTempMap() { TempMap().Clear(); }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr)); }

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bResult = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != m_hDC && m_hAttribDC != nullptr)
        ::RestoreDC(m_hAttribDC, nSavedDC);
    return bResult;
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

// Mapping: the output DC and the attribute DC stay in step.

int CDC::SetMapMode(int nMapMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetMapMode(m_hDC, nMapMode);
    if (m_hAttribDC != nullptr)
        nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    return nOld;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    if (m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != nullptr)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &pt);
    return pt;
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {};
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    if (m_hDC != m_hAttribDC)
        ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &pt);
    if (m_hAttribDC != nullptr)
        ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &pt);
    return pt;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    if (m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != nullptr)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &pt);
    return pt;
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    if (m_hDC != m_hAttribDC)
        ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    if (m_hAttribDC != nullptr)
        ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &pt);
    return pt;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {};
    if (m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != nullptr)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {};
    if (m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != nullptr)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    if (m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != nullptr)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    if (m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != nullptr)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

// Sizes convert by the ratio of the extents alone: no origin, no sign.
void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeVpExt.cx), abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeVpExt.cy), abs(sizeWinExt.cy));
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeWinExt.cx), abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeWinExt.cy), abs(sizeVpExt.cy));
}

void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX);
    int cyPerInch = GetDeviceCaps(LOGPIXELSY);
    lpSize->cx = ::MulDiv(lpSize->cx, cxPerInch, 2540);
    lpSize->cy = ::MulDiv(lpSize->cy, cyPerInch, 2540);
}

void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    int cxPerInch = GetDeviceCaps(LOGPIXELSX);
    int cyPerInch = GetDeviceCaps(LOGPIXELSY);
    lpSize->cx = ::MulDiv(lpSize->cx, 2540, cxPerInch);
    lpSize->cy = ::MulDiv(lpSize->cy, 2540, cyPerInch);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int nResult = ERROR;
    if (m_hDC != m_hAttribDC && m_hAttribDC != nullptr)
        ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    if (m_hDC != nullptr)
        nResult = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    return nResult;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int nResult = ERROR;
    if (m_hDC != m_hAttribDC && m_hAttribDC != nullptr)
        ::ExcludeClipRect(m_hAttribDC, x1, y1, x2, y2);
    if (m_hDC != nullptr)
        nResult = ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
    return nResult;
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = pRgn ? (HRGN)pRgn->m_hObject : nullptr;
    if (m_hDC != m_hAttribDC && m_hAttribDC != nullptr)
        ::SelectClipRgn(m_hAttribDC, hRgn);
    return ::SelectClipRgn(m_hDC, hRgn);
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = pRgn ? (HRGN)pRgn->m_hObject : nullptr;
    if (m_hDC != m_hAttribDC && m_hAttribDC != nullptr)
        ::ExtSelectClipRgn(m_hAttribDC, hRgn, nMode);
    return ::ExtSelectClipRgn(m_hDC, hRgn, nMode);
}

CGdiObject* CDC::SelectGdiObject(CGdiObject* pObject)
{
    if (pObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(SelectObject(pObject->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOld = nullptr;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != nullptr)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    return CGdiObject::FromHandle(SelectObject(hObject));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, pPalette ? (HPALETTE)pPalette->m_hObject : nullptr, bForceBackground));
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        crOld = ::SetTextColor(m_hDC, crColor);
    if (m_hAttribDC != nullptr)
        crOld = ::SetTextColor(m_hAttribDC, crColor);
    return crOld;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        crOld = ::SetBkColor(m_hDC, crColor);
    if (m_hAttribDC != nullptr)
        crOld = ::SetBkColor(m_hAttribDC, crColor);
    return crOld;
}

int CDC::SetBkMode(int nBkMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        nOld = ::SetBkMode(m_hDC, nBkMode);
    if (m_hAttribDC != nullptr)
        nOld = ::SetBkMode(m_hAttribDC, nBkMode);
    return nOld;
}

int CDC::SetROP2(int nDrawMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        nOld = ::SetROP2(m_hDC, nDrawMode);
    if (m_hAttribDC != nullptr)
        nOld = ::SetROP2(m_hAttribDC, nDrawMode);
    return nOld;
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT nOld = 0;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        nOld = ::SetTextAlign(m_hDC, nFlags);
    if (m_hAttribDC != nullptr)
        nOld = ::SetTextAlign(m_hAttribDC, nFlags);
    return nOld;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        nOld = ::SetStretchBltMode(m_hDC, nStretchMode);
    if (m_hAttribDC != nullptr)
        nOld = ::SetStretchBltMode(m_hAttribDC, nStretchMode);
    return nOld;
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        nOld = ::SetPolyFillMode(m_hDC, nPolyFillMode);
    if (m_hAttribDC != nullptr)
        nOld = ::SetPolyFillMode(m_hAttribDC, nPolyFillMode);
    return nOld;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {};
    if (m_hDC != m_hAttribDC && m_hDC != nullptr)
        ::MoveToEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != nullptr)
        ::MoveToEx(m_hAttribDC, x, y, &pt);
    return pt;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT pt = {};
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = { x, y, x + cx, y + cy };
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush brush;
    if (brush.m_hObject == nullptr) {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (hBitmap != nullptr) {
            brush.Attach(::CreatePatternBrush(hBitmap));
            ::DeleteObject(hBitmap);
        }
    }
    return &brush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    // Each outline is the rectangle minus its inside, drawn with PATINVERT, so
    // drawing the same outline twice leaves the screen as it was.
    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;

    auto outline = [](const RECT& r, SIZE s, CRgn& rgn) {
        CRgn inside;
        RECT in = r;
        ::InflateRect(&in, -s.cx, -s.cy);
        ::IntersectRect(&in, &in, &r);
        rgn.CreateRectRgnIndirect(&r);
        inside.CreateRectRgnIndirect(&in);
        rgn.CombineRgn(&rgn, &inside, RGN_XOR);
    };

    CRgn rgnNew, rgnLast, rgnUpdate;
    outline(*lpRect, size, rgnNew);
    if (lpRectLast != nullptr) {
        outline(*lpRectLast, sizeLast, rgnLast);
        if (pBrush->m_hObject == pBrushLast->m_hObject) {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }

    RECT rect;
    if (pBrush->m_hObject != pBrushLast->m_hObject && lpRectLast != nullptr) {
        SelectClipRgn(&rgnLast);
        GetClipBox(&rect);
        CBrush* pOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
        SelectObject(pOld);
    }
    SelectClipRgn(rgnUpdate.m_hObject != nullptr ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    CBrush* pOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
    SelectObject(pOld);
    SelectClipRgn(nullptr);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    DWORD dw = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(dw), HIWORD(dw));
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd))
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd))
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
