// Drawing and the smaller classes: device contexts, image lists, check-list
// boxes, printing pages.
#include "framework/tests/win/TestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(DC, SizesConvertByTheExtentsAloneWhileMappingReachesBothContexts)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, -200);
    dc.SetViewportExt(50, 400);
    dc.SetViewportOrg(30, 40);
    CSize size(10, -20);
    dc.LPtoDP(&size);
    EXPECT_EQ(size, CSize(5, -40));    // |vp| / |win|, no origin, sign kept
    dc.DPtoLP(&size);
    EXPECT_EQ(size, CSize(10, -20));
    CPoint pt(0, 0);
    dc.LPtoDP(&pt);
    EXPECT_EQ(pt, CPoint(30, 40));
}

TEST(DC, TemporaryWrappersDoNotOwnTheirHandles)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hDC);
    EXPECT_EQ(pTemp->m_hDC, hDC);
    CDC::DeleteTempMap();
    EXPECT_NE(::GetDeviceCaps(hDC, BITSPIXEL), 0);   // still alive
    ::DeleteDC(hDC);

    HPEN hPen = ::CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(CGdiObject::FromHandle(hPen)->m_hObject, hPen);
    EXPECT_TRUE(dynamic_cast<CPen*>(CGdiObject::FromHandle(hPen)) != nullptr);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hPen), (DWORD)OBJ_PEN);
    ::DeleteObject(hPen);
}

TEST(ImageList, RoundTripsThroughAnArchive)
{
    CImageList source;
    ASSERT_TRUE(source.Create(16, 16, ILC_COLOR4 | ILC_MASK, 2, 2));
    CBitmap bitmap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ASSERT_TRUE(bitmap.CreateBitmap(32, 16, 1, 1, nullptr));
    EXPECT_EQ(source.Add(&bitmap, RGB(255, 0, 255)), 0);
    EXPECT_EQ(source.GetImageCount(), 2);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ASSERT_TRUE(source.Write(&ar));
        ar.Close();
    }
    file.SeekToBegin();
    CImageList copy;
    {
        CArchive ar(&file, CArchive::load);
        ASSERT_TRUE(copy.Read(&ar));
    }
    EXPECT_EQ(copy.GetImageCount(), 2);
    EXPECT_NE(copy.m_hImageList, source.m_hImageList);
}

class CCheckParent : public CWnd
{
public:
    int m_nChanges = 0;
    void OnCheckChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckParent, CWnd)
    ON_CONTROL(CLBN_CHKCHANGE, 50, OnCheckChange)
END_MESSAGE_MAP()

TEST(CheckListBox, ClickOnTheBoxTogglesAndTellsTheParent)
{
    CCheckParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr));
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 200), &parent, 50));
    list.AddString("one");
    list.AddString("two");
    list.SetItemData(1, 1234);
    list.SetCheck(0, 1);
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_EQ(list.GetItemData(1), 1234u);   // the caller's data lives beside the check state

    CRect item;
    list.GetItemRect(1, &item);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, item.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, item.top + 2));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(parent.m_nChanges, 1);
    // A click on the text selects but does not toggle.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, item.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, item.top + 2));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(parent.m_nChanges, 1);
    parent.DestroyWindow();
}

// A view that counts the pages it prints.
class CCountingView : public CView
{
public:
    std::vector<UINT> m_printed;
    CRect m_rectDraw;
    void OnDraw(CDC*) override {}
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        EXPECT_TRUE(pDC->IsPrinting());
        m_printed.push_back(pInfo->m_nCurPage);
        m_rectDraw = pInfo->m_rectDraw;
    }
    void PostNcDestroy() override {}
};

TEST(Printing, UnknownPageCountPrintsOnePage)
{
    CCountingView view;
    HDC hdcRef = ::GetDC(nullptr);
    CPrintInfo info;
    BOOL bMore = TRUE;
    for (UINT nPage : { 1u, 2u }) {
        HENHMETAFILE hPage = CPrintPreviewWnd::RenderPage(&view, &info, hdcRef, nPage, &bMore);
        ASSERT_NE(hPage, nullptr);
        ::DeleteEnhMetaFile(hPage);
        EXPECT_FALSE(bMore);
    }
    EXPECT_EQ(view.m_printed, (std::vector<UINT>{ 1 }));
    EXPECT_EQ(view.m_rectDraw, CRect(0, 0, ::GetDeviceCaps(hdcRef, HORZRES), ::GetDeviceCaps(hdcRef, VERTRES)));

    info.SetMaxPage(3);
    HENHMETAFILE hPage = CPrintPreviewWnd::RenderPage(&view, &info, hdcRef, 2, &bMore);
    ::DeleteEnhMetaFile(hPage);
    EXPECT_TRUE(bMore);
    EXPECT_EQ(view.m_printed.back(), 2u);
    ::ReleaseDC(nullptr, hdcRef);
}

} // namespace
