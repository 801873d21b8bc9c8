#include "instrument/RemoveModules.h"

#include "app/G7KException.h"
#include "instrument/MessagePump.h"
#include "instrument/ModuleRemover.h"

CRemoveModules::CRemoveModules(int mask, CWnd* parent)
    : CDialog(IDD, parent), Command(TRUE), m_mask(mask), m_abort(*this)
{
}

CRemoveModules::~CRemoveModules()
{
    if (m_hWnd)
        DestroyWindow();
}

int CRemoveModules::AbortMonitor::QueryAbort()
{
    PumpWaitingMessages(TRUE, FALSE);
    return m_owner.IsClosed() ? -901 : 0;
}

int CRemoveModules::Run()
{
    return ModuleRemover(*this, *this, m_mask).Run();
}

void CRemoveModules::AppendTitle(const char* text)
{
    if (!m_hWnd)
        return;
    CString title;
    GetWindowText(title);
    SetWindowText(title + text);
}

void CRemoveModules::AppendLog(const char* text)
{
    m_log += text;
    if (m_log.GetLength() > kLogLimit)
        m_log = m_log.Right(kLogLimit);
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_REMOVE_LOG, m_log);
    HWND edit = ::GetDlgItem(m_hWnd, IDC_REMOVE_LOG);
    ::SendMessageA(edit, EM_LINESCROLL, 0, ::SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
}

void CRemoveModules::ShowError(const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

void CRemoveModules::Report(G7KException& e)
{
    e.Report();
}

void CRemoveModules::Finish()
{
    if (m_hWnd)
        SetDlgItemText(IDCANCEL, "&Ok");
    while (!m_closed && m_hWnd) {
        if (m_waitHook)
            m_waitHook();
        if (PumpMessages(TRUE, TRUE))
            break;
    }
}
