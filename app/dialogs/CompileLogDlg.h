// "View Log File": the protocol compiler's log with its summary facts, the
// numbered message lines and the size of the compiled database.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CCompileLogDlg : public CDialog
{
public:
    enum { IDD = IDD_COMPILE_LOG };

    // The database is "PROTOCOL.BIN" or "Polyvect.BIN".
    CCompileLogDlg(const CString& strDatabaseName, const CString& strLogPath, CWnd* pParent = nullptr);

    CString m_strDatabaseName;
    CString m_strLogPath;
    CString m_strBody;
    CString m_strCompiler;
    CString m_strBuild;
    CString m_strInputFile;
    CString m_strOutputPath;
    CString m_strDateTime;
    CString m_strLinesProcessed;
    CString m_strErrors;
    CString m_strWarnings;
    CString m_strDatabaseSize;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

// The compiler's log of a project, found from the project document's path
// (its extension replaced by ".Log"), shown modally. IDCANCEL when there is
// no log to show.
int ShowCompileLog(const CString& strDocumentPath, const CString& strDatabaseName, CWnd* pParent = nullptr);
