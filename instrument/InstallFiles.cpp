#include "instrument/InstallFiles.h"

#include "instrument/FileInstaller.h"
#include "instrument/InstrumentUi.h"

CInstallFiles::CInstallFiles(const CString& folder, int mask)
    : FileTransfer("Install files"), m_mask(mask), m_folder(folder), m_window(m_statusDlg, *this)
{
}

std::vector<std::string> CInstallFiles::ChooseFiles()
{
    // The dialog's buffer grows with the selection, so a large one is kept whole.
    // Opens in the protocols folder; the program's working directory stays.
    CFileDialog dialog(TRUE, "*.XYZ", nullptr,
                       OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR,
                       "Geometry Files (*.xyz)|*.xyz||");
    dialog.m_ofn.lpstrInitialDir = m_folder;
    std::vector<std::string> paths;
    if (dialog.DoModal() != IDOK)
        return paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        paths.push_back(static_cast<const char*>(dialog.GetNextPathName(pos)));
    return paths;
}

int CInstallFiles::Execute()
{
    m_folder = ReadFolderSetting("VikaProtocols", "C:\\GVX7000\\Protocol");
    const std::vector<std::string> paths = ChooseFiles();
    if (paths.empty())
        return 0;
    return FileInstaller(*this, m_window, paths).Run();
}
