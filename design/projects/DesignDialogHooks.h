// The shared dialogs the design windows open (protocol selection manager,
// compile-log viewer, caption entry) and the system's file chooser, reached
// through one table that the window tests answer in place of the user.
#pragma once

#include "framework/Framework.h"

#include <functional>

class CProtocolModel;
class CProtocolViewport;

struct DesignDialogHooks
{
    // Chooses the project's member files with the extension; IDOK when the
    // model changed.
    std::function<int(CProtocolModel*, CProtocolViewport*, LPCTSTR pszExtension)> manageSelection;
    // Shows the compiler's log for the database ("PROTOCOL.BIN"...).
    std::function<int(LPCTSTR pszDatabase, LPCTSTR pszLogPath)> showCompileLog;
    // Asks for a name under a caption; IDOK with the name entered.
    std::function<int(LPCTSTR pszCaption, CString& strName)> askName;
    // A file-open dialog; IDOK with the chosen path.
    std::function<int(LPCTSTR pszDefaultExtension, LPCTSTR pszFileName, DWORD dwFlags, LPCTSTR pszFilter,
                      CString& strPath)>
        chooseFile;
};

// The hooks in use: the shared dialogs until replaced.
DesignDialogHooks& GetDesignDialogHooks();
// Puts the shared dialogs back.
void ResetDesignDialogHooks();
