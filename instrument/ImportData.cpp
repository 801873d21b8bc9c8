#include "instrument/ImportData.h"

#include "instrument/DataImporter.h"

#include <string>
#include <vector>

CImportData::CImportData(const CString& importFolder, CStringArray* files)
    : FileTransfer("Import Data"), m_pFiles(files), m_importFolder(importFolder), m_window(m_statusDlg, *this)
{
}

CImportData::CImportData(const CString& importFolder) : CImportData(importFolder, nullptr) {}

int CImportData::Execute()
{
    if (!m_pFiles || m_pFiles->GetSize() == 0) {
        AfxMessageBox("No files selected for import or overwrite\nbox was not checked!", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    std::vector<std::string> paths;
    for (int i = 0; i < m_pFiles->GetSize(); ++i)
        paths.push_back(static_cast<const char*>((*m_pFiles)[i]));
    return Run(&paths);
}

int CImportData::ImportAll()
{
    return Run(nullptr);
}

int CImportData::Run(const std::vector<std::string>* paths)
{
    DataImporter importer(*this, m_window, static_cast<const char*>(m_importFolder), paths);
    const int result = importer.Run();
    m_received = importer.Received();
    return result;
}
