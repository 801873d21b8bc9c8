// Image lists (the common-control kind).
#pragma once

#include "framework/Object.h"
#include "framework/Geometry.h"

class CDC;
class CBitmap;
class CArchive;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);   // may be temporary
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
    BOOL SetOverlayImage(int nImage, int nOverlay) { return ::ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }
    COLORREF SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    HICON ExtractIcon(int nImage) { return ::ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const { return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo); }

    // The image list as bytes in an archive (a length, then the data).
    BOOL Read(CArchive* pArchive);
    BOOL Write(CArchive* pArchive);

    // Drag imaging.
    BOOL BeginDrag(int nImage, CPoint ptHotSpot) { return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y); }
    static void PASCAL EndDrag() { ::ImageList_EndDrag(); }
    static BOOL PASCAL DragMove(CPoint pt) { return ::ImageList_DragMove(pt.x, pt.y); }
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);
    static BOOL PASCAL DragShowNolock(BOOL bShow) { return ::ImageList_DragShowNolock(bShow); }
};
