#include "instrument/RemoveProgramModulesDlg.h"

#include "framework/HostServices.h"
#include "instrument/Command.h"
#include "instrument/InstrumentCommands.h"
#include "instrument/InstrumentUi.h"
#include "instrument/RemoveModules.h"

namespace {

struct Box { int controlId; const char* key; int bit; };
const Box kBoxes[6] = {
    {IDC_REMOVE_STANDARD, "Standard", 0x1}, {IDC_REMOVE_VIKA, "Vika", 0x2},
    {IDC_REMOVE_POLYVECT, "Polyvect", 0x4}, {IDC_REMOVE_GVXLOG, "GVXLOG", 0x8},
    {IDC_REMOVE_REMOTE, "Remote", 0x10},    {IDC_REMOVE_TEST, "Test", 0x20},
};
const char* const kSection = "RemoveProgramModules";

} // namespace

BEGIN_MESSAGE_MAP(CRemoveProgramModulesDlg, CDialog)
    ON_BN_CLICKED(IDC_INSTRUMENT_SETTINGS, OnSettings)
END_MESSAGE_MAP()

CRemoveProgramModulesDlg::CRemoveProgramModulesDlg(CWnd* parent) : CDialog(IDD, parent)
{
    CProfileStore& profile = GetHostServices().Profile();
    for (int i = 0; i < 6; ++i)
        m_checks[i] = profile.GetInt(kSection, kBoxes[i].key, 0) != 0;
}

void CRemoveProgramModulesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 6; ++i)
        DDX_Check(pDX, kBoxes[i].controlId, m_checks[i]);
}

BOOL CRemoveProgramModulesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowSerialInTitle(*this);
    return TRUE;
}

int CRemoveProgramModulesDlg::GetMask() const
{
    int mask = 0;
    for (int i = 0; i < 6; ++i)
        if (m_checks[i])
            mask |= kBoxes[i].bit;
    return mask;
}

void CRemoveProgramModulesDlg::OnSettings()
{
    RunComPortSettings(this);
}

void CRemoveProgramModulesDlg::Remove(int mask)
{
    RunReported([&] {
        CRemoveModules removal(mask);
        removal.Create(CRemoveModules::IDD, nullptr);
        removal.Run();
    });
}

void CRemoveProgramModulesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
    CProfileStore& profile = GetHostServices().Profile();
    for (int i = 0; i < 6; ++i)
        profile.WriteInt(kSection, kBoxes[i].key, m_checks[i]);
    Remove(GetMask());
}
