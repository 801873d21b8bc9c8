#include "instrument/TransferStatusDlg.h"

#include "instrument/MessagePump.h"

#include <cctype>
#include <string>

namespace {

struct FieldLimit { int id; int limit; };
// The value fields and the most characters each shows.
const FieldLimit kFields[] = {
    {IDC_TRANSFER_FILE, 80}, {IDC_TRANSFER_FILES, 5}, {IDC_TRANSFER_BYTES, 10},
    {IDC_TRANSFER_SIZE, 8}, {IDC_TRANSFER_ERRORS, 7}, {IDC_TRANSFER_MESSAGE, 256},
};

int LimitOf(int id)
{
    for (const FieldLimit& f : kFields)
        if (f.id == id)
            return f.limit;
    return 256;
}

// The library's name until a file header arrived ("<None>").
bool IsPlaceholderName(const std::string& name)
{
    static const std::string placeholder = GFMonitor().fileName;
    return name.empty() || name == placeholder;
}

} // namespace

CTransferStatusDlg::CTransferStatusDlg(const char* title, CWnd* parent)
    : CDialog(IDD, parent), m_title(title ? title : "")
{
    m_confirm = [this] {
        // The program's own caption, not the system's "Error".
        return AfxMessageBox("Abort job?", MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
}

BOOL CTransferStatusDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SubclassDlgItem(IDC_TRANSFER_PROGRESS, this);
    ::SendDlgItemMessageA(m_hWnd, IDC_TRANSFER_LOG, EM_SETLIMITTEXT, kLogLimit, 0);
    if (!m_title.IsEmpty())
        SetWindowText(m_title);
    m_open = TRUE;
    return TRUE;
}

void CTransferStatusDlg::OnCancel()
{
    // The window stays; its owner closes it when the transfer has ended.
    if (!m_open) {
        m_aborted = TRUE;
        return;
    }
    if (m_confirm && m_confirm())
        m_aborted = TRUE;
}

void CTransferStatusDlg::SetTitle(const char* title)
{
    m_title = title;
    if (m_hWnd)
        SetWindowText(m_title);
}

void CTransferStatusDlg::SetField(int id, const char* text, int limit)
{
    std::string value(text);
    if (static_cast<int>(value.size()) > limit)
        value.resize(static_cast<size_t>(limit));
    if (m_hWnd)
        SetDlgItemText(id, value.c_str());
}

CString CTransferStatusDlg::GetFieldText(int id) const
{
    char buffer[512] = {};
    if (m_hWnd)
        ::GetDlgItemTextA(m_hWnd, id, buffer, sizeof buffer);
    return CString(buffer);
}

void CTransferStatusDlg::ScrollLogToEnd()
{
    HWND log = ::GetDlgItem(m_hWnd, IDC_TRANSFER_LOG);
    if (!log)
        return;
    LRESULT lines = ::SendMessageA(log, EM_GETLINECOUNT, 0, 0);
    ::SendMessageA(log, EM_LINESCROLL, 0, lines);
}

void CTransferStatusDlg::EnableFields(BOOL enable)
{
    if (!m_hWnd)
        return;
    if (!enable) {
        SetField(IDC_TRANSFER_FILE, "<No transfer in progress>", LimitOf(IDC_TRANSFER_FILE));
        for (int id : {IDC_TRANSFER_FILES, IDC_TRANSFER_BYTES, IDC_TRANSFER_SIZE, IDC_TRANSFER_ERRORS})
            SetField(id, "<N/A>", LimitOf(id));
        SetField(IDC_TRANSFER_MESSAGE, "<Idle>", LimitOf(IDC_TRANSFER_MESSAGE));
        m_progress.SetPos(0);
        m_shownBytes = -1;
        m_shownErrors = -1;
    }
    ::EnableWindow(m_progress.m_hWnd, enable);
    for (const FieldLimit& f : kFields)
        ::EnableWindow(::GetDlgItem(m_hWnd, f.id), enable);
    ScrollLogToEnd();
}

void CTransferStatusDlg::SetOkButton()
{
    if (m_hWnd)
        SetDlgItemText(IDCANCEL, "&Ok");
}

void CTransferStatusDlg::Finish()
{
    m_open = FALSE;
    m_progress.SetText("");
    m_progress.SetBarStyle((m_progress.GetBarStyle() & ~SEC_PROGRESS_PERCENT) | SEC_PROGRESS_CUSTOM_TEXT);
    ::EnableWindow(m_progress.m_hWnd, FALSE);
}

void CTransferStatusDlg::Log(const char* text)
{
    if (!m_open)
        return;
    m_log += text;
    // The edit holds at most kLogLimit characters: keep the latest ones.
    if (m_log.GetLength() > kLogLimit)
        m_log = m_log.Right(kLogLimit);
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_TRANSFER_LOG, m_log);
    ScrollLogToEnd();
}

int CTransferStatusDlg::Progress(int result)
{
    if (!m_open || result != 0 || !m_hWnd)
        return result;
    // Retries move no bytes, but the user must see them counted.
    if (m_shownBytes == bytesDone && m_shownErrors == errorCount)
        return result;
    m_shownBytes = bytesDone;
    m_shownErrors = errorCount;

    std::string name = fileName;
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    CString text;
    SetField(IDC_TRANSFER_FILE, name.c_str(), LimitOf(IDC_TRANSFER_FILE));
    text.Format("%d", static_cast<int>(fileCount));
    SetField(IDC_TRANSFER_FILES, text, LimitOf(IDC_TRANSFER_FILES));
    text.Format("%lu", static_cast<unsigned long>(bytesDone));
    SetField(IDC_TRANSFER_BYTES, text, LimitOf(IDC_TRANSFER_BYTES));
    text.Format("%lu", static_cast<unsigned long>(fileSize));
    SetField(IDC_TRANSFER_SIZE, text, LimitOf(IDC_TRANSFER_SIZE));
    text.Format("%d", errorCount);
    SetField(IDC_TRANSFER_ERRORS, text, LimitOf(IDC_TRANSFER_ERRORS));
    if (fileSize != 0) {
        m_progress.SetRange(0, static_cast<int>(fileSize));
        m_progress.SetPos(static_cast<DWORD>(bytesDone), TRUE);
    }
    // Before the first file header the library's name is a placeholder.
    if (!IsPlaceholderName(fileName) && name != static_cast<const char*>(m_lastLogged)) {
        m_lastLogged = name.c_str();
        text.Format("\r\n\t%s...", name.c_str());
        Log(text);
    }
    ScrollLogToEnd();
    return result;
}

int CTransferStatusDlg::QueryAbort()
{
    if (m_hWnd)
        PumpWaitingMessages(TRUE, FALSE);
    return m_aborted ? -901 : 0;
}

void CTransferStatusDlg::Message(const char* text)
{
    if (m_open)
        SetField(IDC_TRANSFER_MESSAGE, text, LimitOf(IDC_TRANSFER_MESSAGE));
}
