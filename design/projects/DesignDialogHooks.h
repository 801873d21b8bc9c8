// The shared dialogs the design windows open (protocol selection manager,
// compile-log viewer, name entry) and the system's file chooser, reached
// through one table so the shared dialogs can be plugged in where they are
// built and tests can answer in their place. Each entry has a working
// default of our own.
#pragma once

#include "framework/Framework.h"

#include <functional>

class CProtocolModel;
class CProtocolViewport;

struct DesignDialogHooks {
    // Chooses the project's member files with the extension; IDOK when the
    // model changed.
    std::function<int(CProtocolModel*, CProtocolViewport*, LPCTSTR pszExtension)> manageSelection;
    // Shows the compiler's log for the database ("PROTOCOL.BIN"...).
    std::function<int(LPCTSTR pszDatabase, LPCTSTR pszLogPath)> showCompileLog;
    // Asks for a name under a caption; IDOK with the name entered.
    std::function<int(LPCTSTR pszCaption, CString& strName)> askName;
    // A file-open dialog; IDOK with the chosen path.
    std::function<int(LPCTSTR pszDefaultExtension, LPCTSTR pszFileName, DWORD dwFlags, LPCTSTR pszFilter,
                      CString& strPath)> chooseFile;
};

// The hooks in use; the defaults until replaced.
DesignDialogHooks& GetDesignDialogHooks();
// Puts the defaults back.
void ResetDesignDialogHooks();
