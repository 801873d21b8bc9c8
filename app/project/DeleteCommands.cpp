#include "framework/Portable.h"
#include "app/project/DeleteCommands.h"
#include "app/project/FileNames.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

const std::vector<DeleteCommand>& GetDeleteCommands()
{
    static const std::vector<DeleteCommand> s_commands = {
        {32831, nullptr, nullptr, ".dcv", "Data Conversion Projects (*.dcv)|*.dcv||", FALSE,
         "Delete data conversion project: %s", FALSE, DeleteCompanions::ProjectLogs},
        {32832, "WorkingDir", "C:\\GVX7000\\PROJECTS", ".vkp", "Vika Projects (*.vkp)|*.vkp||", TRUE,
         "Delete %d Vika Projects%s", FALSE, DeleteCompanions::None},
        {32834, "VikaProtocols", "C:\\GVX7000\\Protocol", ".org", "Vika Protocols (*.org)|*.org||", TRUE,
         "Delete %d Vika protocol%s", TRUE, DeleteCompanions::ProtocolSections},
        {32883, "VikaProtocols", "C:\\GVX7000\\Protocol", ".adr", "Vika Address Files (*.adr)|*.adr||", TRUE,
         "Delete %d Vika Address File%s", TRUE, DeleteCompanions::None},
        {32884, "PolyvectProtocols", "C:\\GVX7000\\POLYVECT", ".pv", "Polyvect Protocol Files (*.pv)|*.pv||", TRUE,
         "Delete %d Polyvect Protocol File%s", TRUE, DeleteCompanions::None},
        {32885, "WorkingDir", "C:\\GVX7000\\PROJECTS", ".pvp", "Polyvect Projects (*.pvp)|*.pvp||", TRUE,
         "Delete %d Polyvect Projects%s", FALSE, DeleteCompanions::None},
        {32886, "VikaProtocols", "C:\\GVX7000\\Protocol", ".xyz", "Geometry Files (*.xyz)|*.xyz||", TRUE,
         "Delete %d Geometry file%s", TRUE, DeleteCompanions::None},
        {32887, "PolyvectProtocols", "C:\\GVX7000\\POLYVECT", ".xyz", "Geometry Files (*.xyz)|*.xyz||", TRUE,
         "Delete %d Geometry file%s", TRUE, DeleteCompanions::None},
    };
    return s_commands;
}

const DeleteCommand* FindDeleteCommand(UINT nId)
{
    for (const DeleteCommand& command : GetDeleteCommands())
        if (command.nId == nId)
            return &command;
    return nullptr;
}

CString DeleteQuestion(const DeleteCommand& command, const std::vector<CString>& paths)
{
    CString strQuestion;
    if (!command.bMultiple) {
        strQuestion.Format(command.pszQuestion, paths.empty() ? "" : static_cast<LPCTSTR>(paths.front()));
        return strQuestion;
    }
    const int nCount = static_cast<int>(paths.size());
    strQuestion.Format(command.pszQuestion, nCount, command.bPluralSuffix && nCount > 1 ? "s" : "");
    return strQuestion;
}

std::vector<CString> CompanionFiles(DeleteCompanions kind, const CString& strPath)
{
    std::vector<CString> companions;
    const CString strStem = FileStem(strPath);
    switch (kind) {
    case DeleteCompanions::None:
        break;
    case DeleteCompanions::ProtocolSections:
        companions.push_back(strStem + ".UP");
        companions.push_back(strStem + ".DWN");
        break;
    case DeleteCompanions::ProjectLogs: {
        const CString strFolder = FolderPart(strPath);
        const CString strStemName = FileNamePart(strStem);
        for (const CString& strName : ListFolderFiles(strFolder))
            if (IsProjectLog(strStemName, strName))
                companions.push_back(strFolder + strName);
        break;
    }
    }
    return companions;
}

namespace {

// False only when the file is there and stays there.
bool RemoveIfPresent(const CString& strPath)
{
    std::error_code ec;
    const std::filesystem::path path(static_cast<LPCTSTR>(strPath));
    if (!std::filesystem::exists(path, ec))
        return true;
    return std::filesystem::remove(path, ec) && !ec;
}

} // namespace

std::vector<CString> DeleteFilesWithCompanions(const DeleteCommand& command,
                                               const std::vector<CString>& paths)
{
    std::vector<CString> failed;
    for (const CString& strPath : paths) {
        if (strPath.IsEmpty())
            continue;
        // Companions are looked up before the file goes, then deleted after it.
        const std::vector<CString> companions = CompanionFiles(command.companions, strPath);
        if (!RemoveIfPresent(strPath))
            failed.push_back(strPath);
        for (const CString& strCompanion : companions)
            if (!RemoveIfPresent(strCompanion))
                failed.push_back(strCompanion);
    }
    return failed;
}
