#include "instrument/FileTransfer.h"

#include "instrument/ZmodemTransfer.h"

#include <commctrl.h>

FileTransfer::FileTransfer(const char* title)
    : Command(TRUE), m_title(title), m_statusDlg(title, nullptr)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    m_statusDlg.Create(CTransferStatusDlg::IDD, nullptr);
}

FileTransfer::~FileTransfer()
{
    if (m_statusDlg.m_hWnd)
        m_statusDlg.DestroyWindow();
}

int FileTransfer::Receive()
{
    return ReceiveByZmodem(*this, m_statusDlg);
}

int FileTransfer::SendFiles(const char* fileSpec, GFMonitor* monitor)
{
    return SendByZmodem(*this, fileSpec, monitor, m_statusDlg);
}
