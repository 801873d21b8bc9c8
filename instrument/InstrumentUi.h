// What the instrument windows share: the message of a port that cannot be
// used, one way of reporting what an operation threw, the folder checks
// before a transfer and the working directory kept across a dialog.
#pragma once

#include "framework/Framework.h"

#include "app/G7KException.h"

// "General COM Port Error!" with its explanation, stop icon.
void ShowComPortError();

// Runs f; a failure is reported as its kind wants (the program's exceptions
// by their own report, framework ones by their error box, anything else as
// the port error). FALSE after a failure.
template <class F>
BOOL RunReported(F f)
{
    try {
        f();
        return TRUE;
    } catch (G7KException& e) {
        e.Report();
    } catch (CException& e) {
        e.ReportError();
    } catch (...) {
        ShowComPortError();
    }
    return FALSE;
}

// Asks whether a missing folder should be made, and makes it; FALSE when
// the user declines or it cannot be made (which is said).
BOOL OfferToCreateFolder(const CString& folder);
// Makes the folder the working directory, offering to create it when it
// is missing; "Could not change to specified folder!" when that fails.
BOOL ChangeToImportFolder(const CString& folder);

// "<title> (S/N: 0001234)", or "<title> (No GVX7000/GVX2000 connected)"
// for a negative serial number.
CString TitleWithSerial(const CString& title, long serial);
// Adds the serial number of the instrument on the port to the window's
// title, or " (No GVX7000/GVX2000 connected)" when none answers.
void ShowSerialInTitle(CWnd& window);

// Folder profile values shared with the settings sheet.
CString ReadFolderSetting(LPCTSTR key, LPCTSTR defaultValue);
void WriteFolderSetting(LPCTSTR key, const CString& value);
