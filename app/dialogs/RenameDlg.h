// "Rename File": a new name (at most 8 characters) for a project file; the
// caller builds the new path from it, so it must be a file name.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CRenameDlg : public CDialog
{
public:
    enum { IDD = IDD_RENAME_FILE };
    static constexpr int MAX_NAME = 8;

    // The old name, which the new one starts as.
    explicit CRenameDlg(const CString& strName, CWnd* pParent = nullptr);

    CString m_strOldName;
    CString m_strNewName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
