#include "instrument/StatusLogDlg.h"

CStatusLogDlg::CStatusLogDlg(const char* text, CWnd* parent) : CStatusMessage(parent)
{
    Create();
    ShowWindow(SW_SHOWNORMAL);
    AppendText(text);
}

void CStatusLogDlg::AppendText(const char* text)
{
    CStatusMessage::AppendText(CString(text));
    // The operation runs on this thread: show each line as it comes.
    if (m_hWnd)
        ::UpdateWindow(m_hWnd);
}
