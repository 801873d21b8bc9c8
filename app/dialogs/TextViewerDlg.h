// "Text Viewer": one of the files that match a pattern (a folder and, say,
// "*.Log"), picked in a drop-down list, shown line by line. The names are
// listed as the file system has them and opened as listed.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditor.h"
#include "res/SharedDialogsRes.h"

class CTextViewerDlg : public CDialog
{
public:
    enum { IDD = IDD_TEXT_VIEWER };

    CTextViewerDlg(const CString& strFileSpec, const CString& strTitle, CWnd* pParent = nullptr);

    // Shows the file's lines; tells the user when it cannot be read.
    virtual void LoadFile(const CString& strPath);

    CComboBox& GetFileList() { return m_files; }
    CListBox* GetLineList() const { return m_editor.GetListBoxCtrl(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelectFile();
    void LoadSelected();

    CString m_strFileSpec;
    CString m_strTitle;
    CString m_strFolder;
    CComboBox m_files;
    SECListBoxEditor m_editor;

    DECLARE_MESSAGE_MAP()
};
