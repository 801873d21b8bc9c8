#include "instrument/InstallProgramModulesDlg.h"

#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "instrument/Command.h"
#include "instrument/InstallModules.h"
#include "instrument/InstrumentCommands.h"
#include "instrument/InstrumentUi.h"

namespace {

struct Box { int controlId; const char* key; int defaultValue; int bit; };
const Box kBoxes[9] = {
    {IDC_INSTALL_SYSTEM, "Comm", 0, 0x1},
    {IDC_INSTALL_STANDARD, "Standard", 1, 0x2},
    {IDC_INSTALL_VIKA, "Vika", 0, 0x4},
    {IDC_INSTALL_POLYVECT, "Polyvect", 0, 0x8},
    {IDC_INSTALL_REMOTE, "Remote", 0, 0x10},
    {IDC_INSTALL_VIKA_PROTOCOLS, "VikaProtocols", 0, 0x20},
    {IDC_INSTALL_POLYVECT_PROTOCOLS, "PolyvectProtocols", 0, 0x40},
    {IDC_INSTALL_TEST, "VikaTest", 0, 0x80},
    {IDC_INSTALL_GVXLOG, "GVXLOG", 0, 0x100},
};
const char* const kSection = "InstallProgramModules";

} // namespace

BEGIN_MESSAGE_MAP(CInstallProgramModulesDlg, CDialog)
    ON_BN_CLICKED(IDC_INSTRUMENT_SETTINGS, OnSettings)
END_MESSAGE_MAP()

CInstallProgramModulesDlg::CInstallProgramModulesDlg(CWnd* parent) : CDialog(IDD, parent)
{
    CProfileStore& profile = GetHostServices().Profile();
    for (int i = 0; i < 9; ++i)
        m_checks[i] = profile.GetInt(kSection, kBoxes[i].key, kBoxes[i].defaultValue) != 0;
    m_folder = ReadFolderSetting("Install", "\\GVX7000\\Embedded");
}

CInstallProgramModulesDlg::~CInstallProgramModulesDlg() = default;

void CInstallProgramModulesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 9; ++i)
        DDX_Check(pDX, kBoxes[i].controlId, m_checks[i]);
    DDX_Text(pDX, IDC_INSTALL_FOLDER_EDIT, m_folder);
    DDV_MaxChars(pDX, m_folder, 256);
}

BOOL CInstallProgramModulesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_directory = std::make_unique<OsFile::CurrentDirectoryScope>();
    ShowSerialInTitle(*this);
    m_browse.Initialize(IDC_INSTALL_FOLDER_EDIT, this);
    return TRUE;
}

int CInstallProgramModulesDlg::GetMask() const
{
    int mask = 0;
    for (int i = 0; i < 9; ++i)
        if (m_checks[i])
            mask |= kBoxes[i].bit;
    return mask;
}

void CInstallProgramModulesDlg::OnSettings()
{
    RunComPortSettings(this);
}

void CInstallProgramModulesDlg::Install(const CString& folder, int mask)
{
    RunReported([&] {
        CInstallModules install(folder, mask);
        install.Execute();
    });
}

void CInstallProgramModulesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_folder.Trim();
    const DWORD attributes = ::GetFileAttributesA(m_folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CString message;
        message.Format("Specified path does not exist!\n%s", static_cast<LPCTSTR>(m_folder));
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
    CProfileStore& profile = GetHostServices().Profile();
    for (int i = 0; i < 9; ++i)
        profile.WriteInt(kSection, kBoxes[i].key, m_checks[i]);
    WriteFolderSetting("Install", m_folder);
    Install(m_folder, GetMask());
    m_directory.reset();
}

void CInstallProgramModulesDlg::OnCancel()
{
    m_directory.reset();
    CDialog::OnCancel();
}
