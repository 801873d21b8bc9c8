#include "instrument/StatusLogDlg.h"

#include "instrument/MessagePump.h"

CStatusLogDlg::CStatusLogDlg(const char* text, CWnd* parent) : CDialog(IDD, parent)
{
    Create(IDD, parent);
    AppendText(text);
}

CStatusLogDlg::~CStatusLogDlg()
{
    if (m_hWnd)
        DestroyWindow();
}

void CStatusLogDlg::AppendText(const char* text)
{
    m_text += text;
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_STATUS_TEXT, m_text);
    HWND edit = ::GetDlgItem(m_hWnd, IDC_STATUS_TEXT);
    ::SendMessageA(edit, EM_LINESCROLL, 0, ::SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    ::UpdateWindow(m_hWnd);
}
