// The caption, the workbook and the menu bar in real windows: pixels of the
// gradient caption, a workbook with three sheets and its tabs, and a test
// frame whose menu bar is driven by Alt and the arrow keys.
#include "framework/Framework.h"
#include "framework/tests/win/PngWriter.h"
#include "ui/frames/SECGradientCaption.h"
#include "ui/frames/SECWorkbook.h"

#include <gtest/gtest.h>

namespace {

void Pump()
{
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

class CCaptionFrame : public CFrameWnd, public ICaptionFonts
{
public:
    SECGradientCaption m_caption{*this, this};

    BOOL CreateCaptionAppFont(CFont& font) override
    {
        // Upright, as the application's main frame has it.
        BOOL bOk = SECGradientCaption::CreateItalicCaptionFont(font);
        LOGFONTA lf = {};
        if (!bOk || !::GetObjectA(font.m_hObject, sizeof lf, &lf))
            return FALSE;
        font.DeleteObject();
        lf.lfItalic = FALSE;
        return font.CreateFontIndirect(&lf);
    }
    BOOL CreateCaptionDocFont(CFont& font) override { return SECGradientCaption::CreateSystemCaptionFont(font); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (m_caption.OnNcMessage(message, wParam, lParam, lResult))
            return lResult;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {}
};

COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetWindowDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

int Distance(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b));
}

class CTestWorkbook : public SECWorkbook
{
public:
    void PostNcDestroy() override {}
};

} // namespace

TEST(MenusGui, GradientCaptionIsPaintedActiveAndInactive)
{
    CCaptionFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "G7K - Survey line 14.dcv", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 630, 330)));
    EXPECT_FALSE(frame.m_caption.EnableCustomCaption(TRUE, TRUE));
    frame.m_caption.SetCaptionTextAlign(1, TRUE);
    frame.SetForegroundWindow();
    Pump();
    frame.SendMessage(WM_NCACTIVATE, TRUE);
    ASSERT_TRUE(frame.m_caption.IsCaptionActive());

    int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    CRect rcWindow;
    frame.GetWindowRect(&rcWindow);
    int yTop = cyFrame + 1;
    COLORREF crLeft = WindowPixel(frame.m_hWnd, cxFrame + cxButton + 4, yTop);
    COLORREF crRight = WindowPixel(frame.m_hWnd, rcWindow.Width() - cxFrame - 4 * cxButton - 4, yTop);
    COLORREF crActive = ::GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_LT(Distance(crLeft, RGB(0, 0, 0)), 40) << "the gradient starts black";
    EXPECT_LT(Distance(crRight, crActive), 40) << "and ends in the active caption colour";
    Pump();
    EXPECT_TRUE(WriteWindowPng(frame.m_hWnd, "ui_frames_caption_active.png"));

    frame.SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_FALSE(frame.m_caption.IsCaptionActive());
    COLORREF crInactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    EXPECT_EQ(crInactive, WindowPixel(frame.m_hWnd, cxFrame + cxButton + 4, yTop)) << "inactive: a flat fill";
    EXPECT_EQ(crInactive, WindowPixel(frame.m_hWnd, rcWindow.Width() - cxFrame - 4 * cxButton - 4, yTop));

    frame.SetWindowText("Another title");
    CString strTitle;
    frame.GetWindowText(strTitle);
    EXPECT_STREQ("Another title", strTitle);
    frame.DestroyWindow();
}

TEST(MenusGui, WorkbookWithThreeSheets)
{
    CTestWorkbook book;
    ASSERT_TRUE(book.Create(nullptr, "Workbook", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(20, 20, 660, 500)));
    book.SetShowTabs(TRUE);
    book.UpdateWindow();
    Pump();
    EXPECT_EQ(0, book.GetSheetCount());
    EXPECT_EQ(90, book.GetTabWidth()) << "no sheets: the largest width, no division";

    const char* names[] = {"Sheet 1", "Sheet 2", "Survey line 14 west, roll 3 of 5"};
    SECWorksheet* sheets[3];
    for (int i = 0; i < 3; ++i) {
        sheets[i] = new SECWorksheet;   // the sheet deletes itself when its window goes
        ASSERT_TRUE(sheets[i]->Create(nullptr, names[i], WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, &book));
    }
    book.RecalcLayout();
    book.Invalidate();
    Pump();
    ASSERT_EQ(3, book.GetSheetCount());
    EXPECT_EQ(2, sheets[2]->m_nIndex);
    EXPECT_EQ(90, book.GetTabWidth());
    EXPECT_TRUE(book.IsTabTextWhole(sheets[0]));
    EXPECT_FALSE(book.IsTabTextWhole(sheets[2])) << "the long name is shortened";

    // A click on the first tab activates the first sheet.
    TabPolygon tab = book.GetTabPolygon(sheets[0]);
    CPoint ptTab((tab[0].x + tab[4].x) / 2, (tab[0].y + tab[2].y) / 2);
    book.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptTab.x, ptTab.y));
    book.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTab.x, ptTab.y));
    Pump();
    EXPECT_EQ(sheets[0], book.MDIGetActive());
    EXPECT_EQ(0, book.GetActiveIndex());
    EXPECT_FALSE(sheets[0]->m_bPressed);
    EXPECT_TRUE(WriteWindowPng(book.m_hWnd, "ui_frames_workbook.png"));

    sheets[1]->DestroyWindow();
    Pump();
    ASSERT_EQ(2, book.GetSheetCount());
    EXPECT_EQ(1, sheets[2]->m_nIndex) << "the sheets after it are renumbered";
    book.DestroyWindow();
}
