#include "framework/Framework.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
CWinThread* g_pThread = nullptr;
}

CWinThread* AfxGetThread() { return g_pThread; }

CWinThread::CWinThread()
{
    m_nThreadID = ::GetCurrentThreadId();
    if (g_pThread == nullptr)
        g_pThread = this;
}

CWinThread::~CWinThread()
{
    if (g_pThread == this)
        g_pThread = nullptr;
}

BOOL CWinThread::InitInstance() { return FALSE; }

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;   // thread messages have no window to ask
    CWnd* pMainWnd = GetMainWnd();
    if (AfxWalkPreTranslateTree(AfxGetSafeHwnd(pMainWnd), pMsg))
        return TRUE;
    // A modeless window outside the main window's family still gets the main
    // window's accelerators.
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        CWnd* pTop = pWnd != nullptr ? pWnd->GetTopLevelParent() : nullptr;
        if (pTop == nullptr || pTop->m_hWnd != pMainWnd->m_hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that do not move, paints and the caret's blink would keep
    // the idle handler running for nothing.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->message == m_nMsgLast && pMsg->pt.x == m_ptCursorLast.x && pMsg->pt.y == m_ptCursorLast.y)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

static void SendIdleUpdate(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || !pWnd->IsWindowVisible())
        return;
    AfxCallWndProc(pWnd, pWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
    pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        SendIdleUpdate(pMainWnd);
        // Other top-level frames (floating ones) are not the main window's
        // descendants.
        for (CFrameWnd* pFrame : CFrameWnd::GetFrameList()) {
            if (pFrame != pMainWnd && pFrame->m_hWnd != nullptr && !(pFrame->GetStyle() & WS_CHILD))
                SendIdleUpdate(pFrame);
        }
    } else {
        AfxDeleteTempMaps();
    }
    return lCount < 0;
}

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

void AfxDeleteTempMaps()
{
    if (AfxGetThreadState()->m_nDispatchDepth != 0)
        return;   // a handler further up may still hold a temporary object
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
}

BOOL AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    static MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return TRUE;
}

const MSG& AfxGetCurrentMessage()
{
    static MSG empty{};
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->m_msgCur : empty;
}
