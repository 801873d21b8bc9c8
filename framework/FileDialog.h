// The open and save file dialogs.
#pragma once

#include "framework/Dialog.h"

#include <string>
#include <vector>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // The filter uses '|' between parts and ends in "||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    OPENFILENAMEA m_ofn;

    int DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // Multiple selection: every chosen file as a full path.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // The result buffer; grows while the user selects, so a large selection
    // is never cut off.
    void SetResultBuffer(const char* pData, size_t nSize);
    // "Name|*.ext|...||" to the NUL-separated form the system wants.
    static std::string ConvertFilter(LPCTSTR lpszFilter);

protected:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter;   // NUL-separated
    CString m_strDefExt;
    std::vector<char> m_buffer;
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

// The folder chooser; FALSE when cancelled.
BOOL AfxBrowseForFolder(CWnd* pParentWnd, LPCTSTR lpszTitle, CString& rPath);
