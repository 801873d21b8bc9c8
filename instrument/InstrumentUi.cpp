#include "instrument/InstrumentUi.h"

#include "framework/HostServices.h"
#include "instrument/Command.h"
#include "res/InstrumentRes.h"

void ShowComPortError()
{
    CString text, caption;
    text.LoadString(IDS_COM_PORT_ERROR);
    caption.LoadString(IDS_COM_PORT_ERROR_CAPTION);
    AfxShowMessageBox(AfxGetSafeHwnd(AfxGetMainWnd()), text, caption, MB_OK | MB_ICONSTOP);
}

BOOL ChangeToImportFolder(const CString& folder)
{
    CString message;
    const DWORD attributes = ::GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        message.Format("Specified path does not exist!\n%s", static_cast<LPCTSTR>(folder));
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    if (!::SetCurrentDirectoryA(folder)) {
        message.Format("Could not change to specified folder!\n%s", static_cast<LPCTSTR>(folder));
        AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

CString TitleWithSerial(const CString& title, long serial)
{
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
