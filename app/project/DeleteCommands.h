// The main frame's delete commands: which folder, which files, what to ask,
// and which companion files go with each deleted file.
#pragma once

#include "framework/Portable.h"

#include <vector>

enum class DeleteCompanions { None, ProjectLogs, ProtocolSections };

struct DeleteCommand
{
    UINT nId;
    LPCTSTR pszFolderKey;      // profile "Folders" key; nullptr: the current directory
    LPCTSTR pszDefaultFolder;
    LPCTSTR pszDefaultExt;
    LPCTSTR pszFilter;
    BOOL bMultiple;
    LPCTSTR pszQuestion;       // "%d" count and "%s" suffix, or "%s" the path
    BOOL bPluralSuffix;
    DeleteCompanions companions;
};

// nullptr for an id that is not a delete command.
const DeleteCommand* FindDeleteCommand(UINT nId);
const std::vector<DeleteCommand>& GetDeleteCommands();

CString DeleteQuestion(const DeleteCommand& command, const std::vector<CString>& paths);

// The files that go with a file: the project's own logs (looked up in its
// folder) or the protocol's ".UP" and ".DWN" sections.
std::vector<CString> CompanionFiles(DeleteCompanions kind, const CString& strPath);

// Deletes each file and its companions that exist; returns those that were
// there and could not be deleted.
std::vector<CString> DeleteFilesWithCompanions(const DeleteCommand& command,
                                               const std::vector<CString>& paths);
