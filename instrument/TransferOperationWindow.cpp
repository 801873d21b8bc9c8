#include "instrument/TransferOperationWindow.h"

#include "app/G7KException.h"
#include "instrument/Command.h"

void CTransferOperationWindow::AppendTitle(const char* text)
{
    CString title;
    if (m_dialog.m_hWnd)
        m_dialog.GetWindowText(title);
    m_dialog.SetTitle(title + text);
}

void CTransferOperationWindow::ShowError(const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

void CTransferOperationWindow::Report(G7KException& e)
{
    e.Report();
}

void CTransferOperationWindow::Finish()
{
    m_dialog.SetOkButton();
    m_dialog.Finish();
    while (!m_dialog.IsAborted() && m_dialog.m_hWnd) {
        if (m_waitHook)
            m_waitHook();
        if (m_command.PumpMessages(TRUE, TRUE))
            break;  // the program is closing
    }
}
