#include "framework/Framework.h"
#include "app/dialogs/CompileLogDlg.h"
#include "app/dialogs/CompileLog.h"
#include "app/project/ProtocolCompiler.h"
#include "mvc/controls/FileSystem.h"

BEGIN_MESSAGE_MAP(CCompileLogDlg, CDialog)
END_MESSAGE_MAP()

CCompileLogDlg::CCompileLogDlg(const CString& strDatabaseName, const CString& strLogPath, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_strDatabaseName(strDatabaseName)
    , m_strLogPath(strLogPath)
{
}

BOOL CCompileLogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SECFileSystem fileSystem;
    CTime modified;
    if (fileSystem.GetFileModifyTime(m_strLogPath, modified))
        m_strDateTime = modified.Format("%A, %B %d, %Y, %H:%M:%S");

    CCompileLog log;
    if (!log.Read(m_strLogPath)) {
        CString strMessage;
        strMessage.Format("Log file: %s", static_cast<LPCTSTR>(m_strLogPath));
        MessageBox(strMessage, "File Not Found!", MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_strCompiler = log.m_strCompiler;
    m_strBuild = log.m_strBuild;
    m_strInputFile = log.m_strInputFile;
    m_strOutputPath = log.m_strOutputPath;
    m_strLinesProcessed = log.m_strLinesProcessed;
    m_strErrors = log.m_strErrors;
    m_strWarnings = log.m_strWarnings;
    m_strBody = log.m_strBody;
    m_strDatabaseSize = log.DatabaseSizeText(m_strDatabaseName);
    SetWindowText(log.Caption(m_strLogPath));
    // The database the project compiles into, not always PROTOCOL.BIN.
    SetDlgItemText(IDC_LOG_DATABASE_LABEL, "Size of " + m_strDatabaseName + ":");
    UpdateData(FALSE);
    return TRUE;
}

void CCompileLogDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOG_BODY, m_strBody);
    DDX_Text(pDX, IDC_LOG_COMPILER, m_strCompiler);
    DDX_Text(pDX, IDC_LOG_BUILD, m_strBuild);
    DDX_Text(pDX, IDC_LOG_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_LOG_OUTPUT_PATH, m_strOutputPath);
    DDX_Text(pDX, IDC_LOG_DATE, m_strDateTime);
    DDX_Text(pDX, IDC_LOG_LINES, m_strLinesProcessed);
    DDX_Text(pDX, IDC_LOG_ERRORS, m_strErrors);
    DDX_Text(pDX, IDC_LOG_WARNINGS, m_strWarnings);
    DDX_Text(pDX, IDC_LOG_DATABASE_SIZE, m_strDatabaseSize);
}

int ShowCompileLog(const CString& strDocumentPath, const CString& strDatabaseName, CWnd* pParent)
{
    CCompileLogDlg dlg(strDatabaseName, CProtocolCompiler::MakeLogName(strDocumentPath), pParent);
    return dlg.DoModal();
}
