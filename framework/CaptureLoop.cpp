#include "framework/CaptureLoop.h"

#include "framework/WinThread.h"

bool CCaptureLoop::Run()
{
    if (m_state == State::running || m_hWnd == nullptr)
        return false;
    ::SetCapture(m_hWnd);
    if (::GetCapture() != m_hWnd)
        return false;
    m_state = State::running;
    bool bIdle = true;
    MSG msg;
    while (m_state == State::running) {
        if (::GetCapture() != m_hWnd) {
            Cancel();
            break;
        }
        if (NextMessage(msg, bIdle))
            Handle(msg);
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    bool bEnded = m_state == State::ended;
    m_state = State::idle;
    if (!::IsWindow(m_hWnd))
        return false;   // destroyed meanwhile: its owner may be gone too
    if (bEnded)
        OnEnd(m_ptLast);
    else
        OnCancel();
    return bEnded;
}

void CCaptureLoop::End(CPoint pt)
{
    if (m_state != State::running)
        return;
    m_ptLast = pt;
    m_state = State::ended;
}

void CCaptureLoop::Cancel()
{
    if (m_state == State::running)
        m_state = State::cancelled;
}

// Takes the next message, giving OnIdle its turns while the queue is empty.
// False when there was none yet (the caller checks its state and asks again).
bool CCaptureLoop::NextMessage(MSG& msg, bool& bIdle)
{
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        bIdle = true;
        return true;
    }
    if (bIdle || m_nIdleInterval != 0) {
        bIdle = false;
        OnIdle();
        if (m_state != State::running)
            return false;
    }
    if (m_nIdleInterval != 0)
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, m_nIdleInterval, QS_ALLINPUT);
    else
        ::WaitMessage();
    return false;
}

void CCaptureLoop::Handle(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        ::PostQuitMessage((int)msg.wParam);
        Cancel();
        return;
    }
    if (OnMessage(msg))
        return;
    switch (msg.message) {
    case WM_MOUSEMOVE:
        m_ptLast = ClientPoint(msg);
        OnMove(m_ptLast);
        return;
    case WM_LBUTTONUP:
        End(ClientPoint(msg));
        return;
    case WM_RBUTTONDOWN:
        Cancel();
        return;
    case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
            Cancel();
            return;
        }
        break;
    }
    DispatchOther(msg);
}

void CCaptureLoop::DispatchOther(MSG& msg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->PreTranslateMessage(&msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

CPoint CCaptureLoop::ClientPoint(const MSG& msg) const
{
    POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    if (msg.hwnd != m_hWnd)
        ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
    return pt;
}
