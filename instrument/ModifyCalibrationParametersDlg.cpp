#include "instrument/ModifyCalibrationParametersDlg.h"

#include "app/dialogs/CheckListDlg.h"
#include "instrument/CalibrationCommand.h"
#include "instrument/GFCommException.h"
#include "instrument/InstrumentUi.h"
#include "instrument/StatusLogDlg.h"

#include <charconv>
#include <ctime>

namespace {

const char* const kFilter = "Calibration Files (*.g7c)|*.g7c|All Files (*.*)|*.*||";

bool ParseFieldText(const CString& text, bool isInteger, double& value)
{
    CString trimmed = text;
    trimmed.Trim();
    const char* first = trimmed;
    const char* last = first + trimmed.GetLength();
    if (first != last && *first == '+')
        ++first;
    if (isInteger) {
        long v = 0;
        auto [end, ec] = std::from_chars(first, last, v);
        value = static_cast<double>(v);
        return ec == std::errc() && end == last && first != last;
    }
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

CString FieldText(int field, double value)
{
    if (kCalibrationFields[field].isInteger)
        return std::to_string(static_cast<long>(value)).c_str();
    return ShortestNumberText(value).c_str();
}

} // namespace

BOOL CModifyCalibrationParametersDlg::s_groups[5] = {TRUE, TRUE, TRUE, TRUE, TRUE};

BEGIN_MESSAGE_MAP(CModifyCalibrationParametersDlg, CDialog)
    ON_BN_CLICKED(IDC_CALIBRATION_SET, OnSet)
    ON_BN_CLICKED(IDC_CALIBRATION_DEFAULT, OnDefault)
    ON_BN_CLICKED(IDC_CALIBRATION_SAVE_AS, OnSaveAs)
    ON_BN_CLICKED(IDC_CALIBRATION_LOAD, OnLoadFile)
END_MESSAGE_MAP()

CModifyCalibrationParametersDlg::CModifyCalibrationParametersDlg(CWnd* parent)
    : CDialog(IDD, parent), m_values(CalibrationParameters::Defaults())
{
}

void CModifyCalibrationParametersDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    CalibrationParameters read = m_values;
    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        const CalibrationField& field = kCalibrationFields[i];
        HWND edit = pDX->PrepareEditCtrl(field.controlId);
        if (!pDX->m_bSaveAndValidate) {
            ::SetWindowTextA(edit, FieldText(i, GetCalibrationField(m_values, i)));
            continue;
        }
        CString text;
        GetDlgItemText(field.controlId, text);
        double value = 0;
        if (!ParseFieldText(text, field.isInteger, value) || !IsValidCalibrationValue(i, value)) {
            CString message;
            if (field.isInteger)
                message.Format("Please enter an integer between %ld and %ld.", static_cast<long>(field.minimum),
                               static_cast<long>(field.maximum));
            else
                message.Format("Please enter a number between %s and %s.",
                               ShortestNumberText(field.minimum).c_str(), ShortestNumberText(field.maximum).c_str());
            AfxMessageBox(message, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        SetCalibrationField(read, i, value);
    }
    if (pDX->m_bSaveAndValidate)
        m_values = read;
}

BOOL CModifyCalibrationParametersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString title;
    GetWindowText(title);
    try {
        CStatusLogDlg status("Initializing...", this);
        CalibrationCommand command(&status);
        m_serial = command.Gid();
        SetWindowText(TitleWithSerial(title, m_serial));
        command.ReadAll(m_values);
    } catch (GFCommException&) {
        m_serial = -1;
        SetWindowText(title + " (No GVX7000/GVX2000 connected)");
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CALIBRATION_SET), FALSE);
    } catch (G7KException& e) {
        // The instrument's own error reply is shown as it came.
        e.Report();
    } catch (...) {
        ShowComPortError();
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CModifyCalibrationParametersDlg::ChooseGroups(BOOL groups[5])
{
    const CString texts[5] = {"Output Parameters", "Chan. #1 Parameters", "Chan. #2 Parameters",
                              "Chan. #3 Parameters", "Chan. #4 Parameters"};
    CCheckListDlg dialog(5, groups, texts, "Select calibration parameters to update.", "Update", this);
    return dialog.DoModal() == IDOK;
}

int CModifyCalibrationParametersDlg::Ask(const char* question)
{
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION);
}

void CModifyCalibrationParametersDlg::Tell(const char* text, UINT icon)
{
    AfxMessageBox(text, MB_OK | icon);
}

void CModifyCalibrationParametersDlg::OnSet()
{
    BOOL groups[5];
    std::copy(s_groups, s_groups + 5, groups);
    if (!ChooseGroups(groups))
        return;
    std::copy(groups, groups + 5, s_groups);
    if (!UpdateData(TRUE))
        return;
    if (Ask("Do you want to update GVX7000/GVX2000?") != IDYES)
        return;
    bool chosen[5];
    for (int i = 0; i < 5; ++i)
        chosen[i] = groups[i] != FALSE;
    RunReported([&] {
        CStatusLogDlg status("Initializing...", this);
        CalibrationCommand command(&status);
        command.WriteGroups(m_values, chosen);
        Tell("Calibration parameters successfully set.", MB_ICONINFORMATION);
    });
}

void CModifyCalibrationParametersDlg::OnDefault()
{
    if (Ask("Change to default values?") != IDYES)
        return;
    m_values = CalibrationParameters::Defaults();
    UpdateData(FALSE);
}

CString CModifyCalibrationParametersDlg::ChooseSaveFile(const CString& proposed)
{
    return ChooseFile(FALSE, proposed, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

CString CModifyCalibrationParametersDlg::ChooseLoadFile(const CString& pattern)
{
    return ChooseFile(TRUE, pattern, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
}

CString CModifyCalibrationParametersDlg::ChooseFile(BOOL open, const CString& name, DWORD flags)
{
    // Calibration files live in the working folder, wherever the last file
    // dialog of another command was.
    const CString folder = CalibrationFolder();
    CFileDialog dialog(open, ".g7c", name, flags | OFN_NOCHANGEDIR, kFilter, this);
    dialog.m_ofn.lpstrInitialDir = folder;
    return dialog.DoModal() == IDOK ? dialog.GetPathName() : CString();
}

CString CModifyCalibrationParametersDlg::CalibrationFolder()
{
    CString folder = ReadFolderSetting("WorkingDir", "");
    if (folder.IsEmpty()) {
        char current[MAX_PATH] = {};
        ::GetCurrentDirectoryA(sizeof current, current);
        folder = current;
    }
    return folder;
}

void CModifyCalibrationParametersDlg::OnSaveAs()
{
    if (!UpdateData(TRUE))
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* t = std::localtime(&now))
        local = *t;
    const CString path = ChooseSaveFile(ProposedCalibrationFileName(m_serial, local).c_str());
    if (path.IsEmpty())
        return;
    std::string error;
    if (!SaveCalibrationFile(static_cast<const char*>(path), m_values, error))
        Tell(error.c_str(), MB_ICONSTOP);
}

void CModifyCalibrationParametersDlg::OnLoadFile()
{
    const CString path = ChooseLoadFile(CalibrationFilePattern(m_serial).c_str());
    if (path.IsEmpty())
        return;
    std::string error;
    if (!LoadCalibrationFile(static_cast<const char*>(path), m_values, error)) {
        Tell(error.c_str(), MB_ICONSTOP);
        return;
    }
    UpdateData(FALSE);
}
