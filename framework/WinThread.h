// The user-interface thread: its message loop with pre-translation and
// idle processing.
#pragma once

#include "framework/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    DWORD m_nThreadID = 0;
    MSG m_msgCur{};   // the message being pumped

    virtual BOOL InitInstance();
    // GetMessage, PreTranslateMessage, TranslateMessage/DispatchMessage, and
    // OnIdle(0, 1, ...) while the queue is empty until it returns FALSE; then
    // the loop sleeps in GetMessage until something arrives.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Count 0 updates the user interface (WM_IDLEUPDATECMDUI); count 1
    // frees the temporary wrapper objects. Returns whether more idle time is
    // wanted.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual CWnd* GetMainWnd();

private:
    POINT m_ptCursorLast = { -1, -1 };
    UINT m_nMsgLast = 0;
};

CWinThread* AfxGetThread();
// One message through the current thread's pre-translation and dispatch;
// FALSE at WM_QUIT.
BOOL AfxPumpMessage();
// The message AfxPumpMessage took last.
const MSG& AfxGetCurrentMessage();
// Offers pMsg to CWnd::PreTranslateMessage of its window and each parent or
// owner up to hWndStop; TRUE when one of them took it.
BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
// Frees the temporary wrapper objects (only when no handler is running).
void AfxDeleteTempMaps();
