#include "framework/Framework.h"
#include "framework/DialogTemplate.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMsg)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                   UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
        cs.lpszClass = _afxWndFrameOrView;
    }
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

void CView::PostNcDestroy() { delete this; }   // views live on the heap

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != nullptr) {
        CView* pView = pParentFrame->GetActiveView();
        HWND hWndFocus = ::GetFocus();
        if (pView == this && m_hWnd != hWndFocus && !::IsChild(m_hWnd, hWndFocus))
            OnActivateView(TRUE, this, this);   // already active: take the focus back
        else
            pParentFrame->SetActiveView(this);
    }
    return nResult;
}

LRESULT CView::OnInitialUpdateMsg(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CScrollBar* CView::GetScrollBarCtrl(int nBar) const
{
    DWORD dwStyle = GetStyle();
    if ((nBar == SB_HORZ && (dwStyle & WS_HSCROLL)) || (nBar == SB_VERT && (dwStyle & WS_VSCROLL)))
        return nullptr;   // its own bar
    auto* pSplitter = dynamic_cast<CSplitterWnd*>(FromHandlePermanent(::GetParent(m_hWnd)));
    return pSplitter != nullptr ? pSplitter->GetScrollBarOfPane(this, nBar) : nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (!bActivate || pActivateView != this)
        return;
    CWnd* pTop = GetTopLevelParent();
    HWND hWndActive = ::GetActiveWindow();
    if (pTop != nullptr && (hWndActive == pTop->m_hWnd || hWndActive == nullptr))
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

// Printing --------------------------------------------------------------------

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // An unknown page count prints one page.
    if (pInfo != nullptr && pInfo->GetMaxPage() == 0xFFFF)
        pInfo->m_bContinuePrinting = (pInfo->m_nCurPage == 1);
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}
void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CView*) { OnEndPrinting(pDC, pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog* pPD = pInfo->m_pPD;
    // Without a printer the print dialog has nothing to offer: say so once,
    // the same way for every kind of printing.
    PRINTDLG defaults = {};
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && !pApp->GetPrinterDeviceDefaults(&defaults)) {
        AfxMessageBox("No printers are installed.", MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (pInfo->m_bPreview || pInfo->m_bDirect) {
        if (!pPD->GetDefaults()) {
            AfxMessageBox("No printers are installed.", MB_ICONEXCLAMATION);
            return FALSE;
        }
    } else {
        pPD->m_pd.nFromPage = (WORD)pInfo->GetMinPage();
        pPD->m_pd.nToPage = (WORD)pInfo->GetMaxPage();
        if (pPD->DoModal() != IDOK)
            return FALSE;
    }
    if (pPD->m_pd.hDC == nullptr && pPD->CreatePrinterDC() == nullptr)
        return FALSE;
    if (pApp != nullptr)
        pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
    return TRUE;
}

BOOL CView::PrintPages(CDC* pDC, CPrintInfo* pInfo)
{
    UINT nStartPage = pInfo->GetFromPage() != 0 ? pInfo->GetFromPage() : pInfo->GetMinPage();
    UINT nEndPage = pInfo->GetToPage() != 0 ? pInfo->GetToPage() : pInfo->GetMaxPage();
    if (nStartPage == 0)
        nStartPage = 1;
    for (pInfo->m_nCurPage = nStartPage; pInfo->m_nCurPage <= nEndPage; pInfo->m_nCurPage++) {
        OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        if (pDC->StartPage() < 0)
            return FALSE;
        // StartPage resets the device's attributes.
        OnPrepareDC(pDC, pInfo);
        OnPrint(pDC, pInfo);
        if (pDC->EndPage() < 0)
            return FALSE;
    }
    return TRUE;
}

namespace {

BOOL g_bUserAbort = FALSE;
HWND g_hWndPrintStatus = nullptr;

BOOL CALLBACK PrintAbortProc(HDC, int)
{
    MSG msg;
    while (!g_bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam);
            g_bUserAbort = TRUE;
            break;
        }
        if (g_hWndPrintStatus == nullptr || !::IsDialogMessageA(g_hWndPrintStatus, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !g_bUserAbort;
}

// The "printing" window with its Cancel button.
class CPrintStatusDialog : public CDialog
{
public:
    BOOL CreateFor(LPCTSTR lpszDocName, CWnd* pParent)
    {
        CString text;
        text.Format("Printing %s", lpszDocName);
        CDialogTemplateBuilder builder("Printing", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 180, 60);
        builder.AddItem(0x0082, text, 100, SS_CENTER, 10, 10, 160, 20);
        builder.AddItem(0x0080, "Cancel", IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP, 65, 36, 50, 14);
        return CreateIndirect(builder.Get(), pParent);
    }
    void OnCancel() override
    {
        g_bUserAbort = TRUE;
        EnableWindow(FALSE);
    }
};

} // namespace

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT)
        printInfo.m_bDirect = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return;

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    printInfo.m_pPD->m_pd.hDC = nullptr;   // the CDC owns it now
    dcPrint.m_bPrinting = TRUE;
    OnBeginPrinting(&dcPrint, &printInfo);

    CString title = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString("");
    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = title;

    g_bUserAbort = FALSE;
    CWnd* pTop = GetTopLevelParent();
    if (pTop != nullptr)
        pTop->EnableWindow(FALSE);
    CPrintStatusDialog status;
    if (status.CreateFor(title, pTop)) {
        status.ShowWindow(SW_SHOW);
        status.UpdateWindow();
        g_hWndPrintStatus = status.m_hWnd;
    }
    dcPrint.SetAbortProc(PrintAbortProc);

    BOOL bOk = FALSE;
    if (dcPrint.StartDoc(&docInfo) == SP_ERROR) {
        AfxMessageBox("Failed to start the print job.", MB_ICONEXCLAMATION);
    } else {
        bOk = PrintPages(&dcPrint, &printInfo) && !g_bUserAbort;
        if (bOk)
            dcPrint.EndDoc();
        else
            dcPrint.AbortDoc();
    }
    OnEndPrinting(&dcPrint, &printInfo);
    if (pTop != nullptr)
        pTop->EnableWindow(TRUE);
    g_hWndPrintStatus = nullptr;
    if (status.m_hWnd != nullptr)
        status.DestroyWindow();
    dcPrint.m_bPrinting = FALSE;
    dcPrint.DeleteDC();
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewWnd::Run(this);
}
