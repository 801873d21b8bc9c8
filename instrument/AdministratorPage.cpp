#include "instrument/AdministratorPage.h"

#include "app/G7KException.h"
#include "instrument/GFCommException.h"
#include "instrument/InstrumentUi.h"
#include "instrument/StatusLogDlg.h"

#include <cstdlib>

namespace {

const char* const kTypes[] = {"GVX2000", "GVX7000"};
const char* const kConverters[] = {"Type I ", "Type II (special)", "Type III (prototype)"};

void Fill(CWnd* page, int id, const char* const* items, int count)
{
    HWND list = ::GetDlgItem(page->m_hWnd, id);
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
}

} // namespace

IMPLEMENT_DYNCREATE(CAdministratorPage, CPropertyPage)

CAdministratorPage::CAdministratorPage() : CPropertyPage(IDD) {}
CAdministratorPage::~CAdministratorPage() = default;

void CAdministratorPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ADMIN_SERIAL, m_serialText);
    DDV_MaxChars(pDX, m_serialText, 7);
    DDX_CBIndex(pDX, IDC_ADMIN_TYPE, m_typeIndex);
    DDX_CBIndex(pDX, IDC_ADMIN_CONVERTER, m_converterIndex);
}

BOOL CAdministratorPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    Fill(this, IDC_ADMIN_TYPE, kTypes, 2);
    Fill(this, IDC_ADMIN_CONVERTER, kConverters, 3);
    ::SendDlgItemMessageA(m_hWnd, IDC_ADMIN_SERIAL, EM_LIMITTEXT, 7, 0);
    CStatusLogDlg status("", this);
    try {
        m_command = std::make_unique<Command>(FALSE);
        ReadInstrument(status);
    } catch (G7KException& e) {
        status.AppendText(" ERROR!!!");
        for (int id : {IDC_ADMIN_TYPE, IDC_ADMIN_SERIAL, IDC_ADMIN_CONVERTER})
            ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
        m_initialised = FALSE;
        // The instrument's own error reply is worth showing; a dead line
        // speaks through the disabled fields.
        if (!dynamic_cast<GFCommException*>(&e))
            e.Report();
    }
    UpdateData(FALSE);
    return TRUE;
}

void CAdministratorPage::ReadInstrument(IStatusLog& status)
{
    status.AppendText("Reading instrument type...");
    const long type = m_command->Gty();
    if (type < 0 || type > 1) {
        m_typeIndex = 1;
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ADMIN_TYPE), FALSE);
    } else {
        m_typeIndex = static_cast<int>(type);
    }
    m_initialised = TRUE;
    status.AppendText("OK!\r\nReading serial number...");
    const long serial = m_command->Gid();
    if (serial < 0)
        m_serialText = "N/A";
    else
        m_serialText.Format("%07ld", serial);
    status.AppendText("OK!\r\nIdentifying DC/DC converter...");
    const long converter = m_command->Gdc();
    if (converter < 1 || converter > 3) {
        m_converterIndex = 0;
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ADMIN_CONVERTER), FALSE);
    } else {
        m_converterIndex = static_cast<int>(converter - 1);
    }
    status.AppendText("OK!\r\n\r\nFinished!");
}

void CAdministratorPage::ShowError(const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
}

void CAdministratorPage::ShowWritten(const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

void CAdministratorPage::Write(const char* failure, void (CAdministratorPage::*write)())
{
    if (!m_initialised || !m_command)
        return;
    try {
        (this->*write)();
    } catch (GFCommException&) {
        ShowError(failure);
    } catch (G7KException& e) {
        e.Report();  // the instrument refused: its reply says why
    }
}

void CAdministratorPage::WriteSerialNumber()
{
    const long serial = std::atol(m_serialText);
    if (serial > 0 && serial != m_command->Gid()) {
        m_command->Sid(serial);
        m_written.AppendFormat("\nSerial number: %07ld", serial);
    }
}

void CAdministratorPage::WriteInstrumentType()
{
    if (m_typeIndex != m_command->Gty()) {
        m_command->Sty(m_typeIndex);
        m_written.AppendFormat("\nInstrument type: %s", m_typeIndex == 0 ? "GVX2000" : "GVX7000");
    }
}

void CAdministratorPage::WriteConverterType()
{
    const long current = m_command->Gdc();
    const int chosen = m_converterIndex + 1;
    if (current >= 1 && current != chosen) {
        m_command->Sdc(chosen);
        static const char* const kConverters[] = {"Type I", "Type II (special)", "Type III (prototype)"};
        if (m_converterIndex >= 0 && m_converterIndex < 3)
            m_written.AppendFormat("\nDC/DC converter: %s", kConverters[m_converterIndex]);
    }
}

void CAdministratorPage::ApplySerialNumber()
{
    Write("Error setting serial number on connected Geovolt GVX7000/GVX2000.", &CAdministratorPage::WriteSerialNumber);
}

void CAdministratorPage::ApplyInstrumentType()
{
    Write("Error setting instrument type flag on connected Geovolt.", &CAdministratorPage::WriteInstrumentType);
}

void CAdministratorPage::ApplyConverterType()
{
    Write("Error setting DC/DC converter type on connected Geovolt.", &CAdministratorPage::WriteConverterType);
}

void CAdministratorPage::ApplyAll()
{
    m_written.Empty();
    ApplySerialNumber();
    ApplyInstrumentType();
    ApplyConverterType();
    if (!m_written.IsEmpty())
        ShowWritten("Written to the connected Geovolt GVX7000/GVX2000:" + m_written);
}
