#include "framework/Framework.h"

namespace {

enum { idPrint = 0xE300, idNext, idPrev, idClose };
const int cyButtonBar = 32;

} // namespace

BEGIN_MESSAGE_MAP(CPrintPreviewWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CPrintPreviewWnd::CPrintPreviewWnd(CView* pView, CPrintInfo* pInfo, HDC hdcRef)
    : m_pView(pView), m_pInfo(pInfo), m_hdcRef(hdcRef)
{
}

CPrintPreviewWnd::~CPrintPreviewWnd()
{
    if (m_hPage != nullptr)
        ::DeleteEnhMetaFile(m_hPage);
    if (m_hWnd != nullptr)
        DestroyWindow();
}

HENHMETAFILE CPrintPreviewWnd::RenderPage(CView* pView, CPrintInfo* pInfo, HDC hdcRef, UINT nPage, BOOL* pbMore)
{
    RECT frame = { 0, 0, ::GetDeviceCaps(hdcRef, HORZSIZE) * 100, ::GetDeviceCaps(hdcRef, VERTSIZE) * 100 };
    HDC hdcMeta = ::CreateEnhMetaFileA(hdcRef, nullptr, &frame, nullptr);
    if (hdcMeta == nullptr)
        return nullptr;
    int nSaved = ::SaveDC(hdcRef);
    CDC dc;
    dc.m_hDC = hdcMeta;
    dc.m_hAttribDC = hdcRef;
    dc.m_bPrinting = TRUE;

    pInfo->m_nCurPage = nPage;
    pInfo->m_bContinuePrinting = TRUE;
    pView->OnPrepareDC(&dc, pInfo);
    if (pInfo->m_bContinuePrinting) {
        pInfo->m_rectDraw.SetRect(0, 0, ::GetDeviceCaps(hdcRef, HORZRES), ::GetDeviceCaps(hdcRef, VERTRES));
        dc.DPtoLP(&pInfo->m_rectDraw);
        pView->OnPrint(&dc, pInfo);
    }
    if (pbMore != nullptr) {
        UINT nMax = pInfo->GetMaxPage();
        *pbMore = nMax != 0xFFFF && nPage < nMax;
    }
    dc.m_hDC = nullptr;
    dc.m_hAttribDC = nullptr;
    ::RestoreDC(hdcRef, nSaved);
    return ::CloseEnhMetaFile(hdcMeta);
}

void CPrintPreviewWnd::Run(CView* pView)
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    if (!pView->OnPreparePrinting(&info))
        return;
    HDC hdcRef = info.m_pPD->m_pd.hDC;
    CDC dcRef;
    dcRef.Attach(hdcRef);
    info.m_pPD->m_pd.hDC = nullptr;   // dcRef owns it
    dcRef.m_bPrinting = TRUE;
    pView->OnBeginPrinting(&dcRef, &info);

    CFrameWnd* pFrame = pView->GetTopLevelFrame();
    CRect rect(0, 0, 640, 480);
    if (pFrame != nullptr) {
        pFrame->GetClientRect(&rect);
        pFrame->ClientToScreen(&rect);
    }
    BOOL bPrint = FALSE;
    // The frame's bars step aside while the preview shows.
    CPrintPreviewState state;
    if (pFrame != nullptr)
        pFrame->OnSetPreviewMode(TRUE, &state);
    {
        CPrintPreviewWnd wnd(pView, &info, hdcRef);
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                                (HBRUSH)(COLOR_APPWORKSPACE + 1));
        if (wnd.CreateEx(0, lpszClass, "Print Preview", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                         rect, pFrame, 0)) {
            const char* labels[] = { "&Print...", "&Next Page", "Pre&v Page", "&Close" };
            for (int i = 0; i < 4; ++i)
                wnd.m_hWndButtons[i] = ::CreateWindowExA(0, "BUTTON", labels[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                                         4 + i * 92, 4, 88, 24, wnd.m_hWnd,
                                                         (HMENU)(UINT_PTR)(idPrint + i), AfxGetInstanceHandle(), nullptr);
            wnd.ShowPage(1);
            if (pFrame != nullptr)
                pFrame->EnableWindow(FALSE);
            wnd.m_nFlags |= WF_CONTINUEMODAL;
            wnd.ShowWindow(SW_SHOW);
            wnd.RunModalLoop();
            if (pFrame != nullptr) {
                pFrame->EnableWindow(TRUE);
                pFrame->SetActiveWindow();
            }
            bPrint = wnd.m_bPrint;
        }
    }
    if (pFrame != nullptr)
        pFrame->OnSetPreviewMode(FALSE, &state);
    pView->OnEndPrintPreview(&dcRef, &info, CPoint(0, 0), pView);
    dcRef.m_bPrinting = FALSE;
    if (bPrint)
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPrintPreviewWnd::ShowPage(UINT nPage)
{
    if (nPage == 0)
        nPage = 1;
    if (m_hPage != nullptr)
        ::DeleteEnhMetaFile(m_hPage);
    m_nPage = nPage;
    m_hPage = RenderPage(m_pView, m_pInfo, m_hdcRef, nPage, &m_bMore);
    UpdateButtons();
    Invalidate(TRUE);
}

void CPrintPreviewWnd::UpdateButtons()
{
    ::EnableWindow(m_hWndButtons[1], m_bMore);
    ::EnableWindow(m_hWndButtons[2], m_nPage > 1);
}

BOOL CPrintPreviewWnd::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case idPrint:
        m_bPrint = TRUE;
        EndModalLoop(IDOK);
        return TRUE;
    case idNext:
        if (m_bMore)
            ShowPage(m_nPage + 1);
        return TRUE;
    case idPrev:
        if (m_nPage > 1)
            ShowPage(m_nPage - 1);
        return TRUE;
    case idClose:
        EndModalLoop(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CPrintPreviewWnd::OnClose() { EndModalLoop(IDCANCEL); }

void CPrintPreviewWnd::OnSize(UINT, int, int) { Invalidate(TRUE); }

void CPrintPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    client.top += cyButtonBar;
    client.DeflateRect(16, 16);
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    // The page keeps its proportions inside the window.
    int cxPage = ::GetDeviceCaps(m_hdcRef, HORZSIZE);
    int cyPage = ::GetDeviceCaps(m_hdcRef, VERTSIZE);
    if (cxPage <= 0 || cyPage <= 0)
        return;
    int cx = client.Width();
    int cy = ::MulDiv(cx, cyPage, cxPage);
    if (cy > client.Height()) {
        cy = client.Height();
        cx = ::MulDiv(cy, cxPage, cyPage);
    }
    CRect page(client.left + (client.Width() - cx) / 2, client.top + (client.Height() - cy) / 2, 0, 0);
    page.right = page.left + cx;
    page.bottom = page.top + cy;
    CRect shadow = page;
    shadow.OffsetRect(4, 4);
    dc.FillSolidRect(&shadow, ::GetSysColor(COLOR_3DDKSHADOW));
    dc.FillSolidRect(&page, RGB(255, 255, 255));
    if (m_hPage != nullptr)
        ::PlayEnhMetaFile(dc.m_hDC, m_hPage, &page);
}
