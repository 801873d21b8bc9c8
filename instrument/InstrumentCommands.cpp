#include "instrument/InstrumentCommands.h"

#include "instrument/ImportDataDlg.h"
#include "instrument/InstallFiles.h"
#include "instrument/InstallProgramModulesDlg.h"
#include "instrument/InstrumentUi.h"
#include "instrument/ModifyCalibrationParametersDlg.h"
#include "instrument/RemoveProgramModulesDlg.h"
#include "res/resource.h"

namespace {

void (*g_comPortSettings)(CWnd*) = nullptr;
bool g_serviceMode = false;

int InstallFiles()
{
    RunReported([] {
        const CString folder = ReadFolderSetting("VikaProtocols", "C:\\GVX7000\\Protocol");
        CInstallFiles install(folder, 0);
        install.Execute();
    });
    return IDOK;
}

} // namespace

void SetInstrumentServiceMode(bool on)
{
    g_serviceMode = on;
}

bool IsInstrumentServiceMode()
{
    return g_serviceMode;
}

void SetComPortSettingsHook(void (*hook)(CWnd*))
{
    g_comPortSettings = hook;
}

void RunComPortSettings(CWnd* parent)
{
    if (g_comPortSettings)
        g_comPortSettings(parent);
}

int RunInstrumentOperation(UINT command, CWnd* frame)
{
    switch (command) {
    case ID_IMPORT_DATA: {
        CImportDataDlg dialog(reinterpret_cast<CMainFrame*>(frame), nullptr);
        return static_cast<int>(dialog.DoModal());
    }
    case ID_INSTALL_MODULES: {
        CInstallProgramModulesDlg dialog(frame);
        return static_cast<int>(dialog.DoModal());
    }
    case ID_REMOVE_MODULES: {
        CRemoveProgramModulesDlg dialog(frame);
        return static_cast<int>(dialog.DoModal());
    }
    case ID_CALIBRATION: {
        CModifyCalibrationParametersDlg dialog(frame);
        return static_cast<int>(dialog.DoModal());
    }
    case ID_INSTALL_XYZ:
        return InstallFiles();
    default:
        return -1;
    }
}
