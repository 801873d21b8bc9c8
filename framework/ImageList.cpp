#include "framework/Framework.h"
#include "framework/HandleMap.h"

#include <objidl.h>
#include <unordered_map>

namespace {

class CTempImageList : public CImageList
{
public:
    explicit CTempImageList(HIMAGELIST h) { m_hImageList = h; }
    ~CTempImageList() override { m_hImageList = nullptr; }
};

CTempHandleMap<HIMAGELIST, CImageList>& TempMap()
{
    static CTempHandleMap<HIMAGELIST, CImageList> map;
    return map;
}

std::unordered_map<HIMAGELIST, CImageList*>& PermanentMap()
{
    static std::unordered_map<HIMAGELIST, CImageList*> map;
    return map;
}

} // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return nullptr;
    if (CImageList* p = FromHandlePermanent(hImageList))
        return p;
    auto& map = TempMap();
    if (CImageList* p = map.Lookup(hImageList))
        return p;
    return map.Add(hImageList, std::make_unique<CTempImageList>(hImageList));
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    auto& map = PermanentMap();
    auto it = map.find(hImageList);
    return it == map.end() ? nullptr : it->second;
}

void PASCAL CImageList::DeleteTempMap() { TempMap().Clear(); }

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    DeleteImageList();
    m_hImageList = hImageList;
    PermanentMap()[hImageList] = this;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != nullptr) {
        auto& map = PermanentMap();
        auto it = map.find(h);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapID), RT_BITMAP);
    return Attach(::ImageList_LoadBitmap(hInst, MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask));
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                           pbmMask != nullptr ? (HBITMAP)pbmMask->GetSafeHandle() : nullptr);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ::ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ::ImageList_DragEnter(AfxGetSafeHwnd(pWndLock), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) { return ::ImageList_DragLeave(AfxGetSafeHwnd(pWndLock)); }

BOOL CImageList::Write(CArchive* pArchive)
{
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &pStream)))
        return FALSE;
    BOOL bResult = FALSE;
    HGLOBAL hGlobal = nullptr;
    if (::ImageList_Write(m_hImageList, pStream) && SUCCEEDED(::GetHGlobalFromStream(pStream, &hGlobal))) {
        STATSTG stat = {};
        pStream->Stat(&stat, STATFLAG_NONAME);
        DWORD nBytes = (DWORD)stat.cbSize.QuadPart;
        const void* pData = ::GlobalLock(hGlobal);
        *pArchive << nBytes;
        pArchive->Write(pData, nBytes);
        ::GlobalUnlock(hGlobal);
        bResult = TRUE;
    }
    pStream->Release();
    return bResult;
}

BOOL CImageList::Read(CArchive* pArchive)
{
    DWORD nBytes = 0;
    *pArchive >> nBytes;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nBytes ? nBytes : 1);
    if (hGlobal == nullptr)
        AfxThrowMemoryException();
    void* pData = ::GlobalLock(hGlobal);
    try {
        pArchive->EnsureRead(pData, nBytes);
    } catch (...) {
        ::GlobalUnlock(hGlobal);
        ::GlobalFree(hGlobal);
        throw;
    }
    ::GlobalUnlock(hGlobal);
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream))) {
        ::GlobalFree(hGlobal);
        return FALSE;
    }
    BOOL bResult = Attach(::ImageList_Read(pStream));
    pStream->Release();
    return bResult;
}
