#include "instrument/InstrumentUi.h"

#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "instrument/Command.h"
#include "res/InstrumentRes.h"


void ShowComPortError()
{
    CString text, caption;
    text.LoadString(IDS_COM_PORT_ERROR);
    caption.LoadString(IDS_COM_PORT_ERROR_CAPTION);
    AfxShowMessageBox(AfxGetSafeHwnd(AfxGetMainWnd()), text, caption, MB_OK | MB_ICONSTOP);
}

namespace {

BOOL IsFolder(const CString& path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

BOOL OfferToCreateFolder(const CString& folder)
{
    // A fresh installation has none of its default folders yet.
    CString message;
    message.Format("The folder\n%s\ndoes not exist. Do you want to create it?", static_cast<LPCTSTR>(folder));
    if (AfxMessageBox(message, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    OsFile::Error error;
    OsFile::CreateFolders(folder, error);
    if (IsFolder(folder))
        return TRUE;
    message.Format("Could not create the folder\n%s", static_cast<LPCTSTR>(folder));
    AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    return FALSE;
}

BOOL ChangeToImportFolder(const CString& folder)
{
    CString message;
    if (folder.IsEmpty()) {
        message.Format("Specified path does not exist!\n%s", static_cast<LPCTSTR>(folder));
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    if (!IsFolder(folder) && !OfferToCreateFolder(folder))
        return FALSE;
    if (!::SetCurrentDirectoryA(folder)) {
        message.Format("Could not change to specified folder!\n%s", static_cast<LPCTSTR>(folder));
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

CString TitleWithSerial(const CString& title, long serial)
{
    // A reply that is no serial number identifies no instrument.
    if (serial < 0)
        return title + " (No GVX7000/GVX2000 connected)";
    CString text;
    text.Format("%s (S/N: %07ld)", static_cast<LPCTSTR>(title), serial);
    return text;
}

void ShowSerialInTitle(CWnd& window)
{
    CString title;
    window.GetWindowText(title);
    try {
        Command command(TRUE);
        window.SetWindowText(TitleWithSerial(title, command.Gid()));
    } catch (G7KException&) {
        window.SetWindowText(title + " (No GVX7000/GVX2000 connected)");
    }
}

CString ReadFolderSetting(LPCTSTR key, LPCTSTR defaultValue)
{
    CString value = GetHostServices().Profile().GetString("Folders", key, defaultValue);
    value.Trim();
    return value;
}

void WriteFolderSetting(LPCTSTR key, const CString& value)
{
    GetHostServices().Profile().WriteString("Folders", key, value);
}
