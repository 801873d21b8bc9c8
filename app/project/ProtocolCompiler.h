// Runs the external protocol compiler ORDA over a list file of the project's
// files and names its log after the project document.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"
#include "framework/ProcessRunner.h"

#include <vector>

// The rows of a project's list, as the compiler reads them. The project
// viewport is one.
class CProtocolRowSource
{
public:
    virtual ~CProtocolRowSource() = default;
    virtual int GetRowCount() = 0;
    virtual BOOL IsRowSelected(int nRow) = 0;
    virtual CProtocolInfo* GetRowInfo(int nRow) = 0;
};

class CProtocolCompiler
{
public:
    // Results of Compile besides the program's own non-zero exit status.
    static constexpr int COMPILE_OK = 0;
    static constexpr int COMPILE_NOT_STARTED = -1;
    static constexpr int COMPILE_NO_OUTPUT = -2;
    static constexpr int COMPILE_NO_INPUT = -3;

    CProtocolCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows, LPCTSTR pszDefaultExtension);
    virtual ~CProtocolCompiler();

    // Number of names written; listPath receives the list file when there is one.
    virtual int WriteInputList(CString& strListPath, BOOL bSelectedOnly, BOOL bKeepPath);
    virtual int Compile(const CString& strType, const CString& strDocumentPath);

    static void NormalizePath(CString& strPath);
    // The document path with the extension of its file name replaced by ".Log".
    static CString MakeLogName(const CString& strDocumentPath);
    static CString BuildCommandLine(const CString& strMainFolder, const CString& strType,
                                    const CString& strListPath, const CString& strLogName,
                                    const CString& strOutputName);
    // The 8.3 form when the system has one, else the name itself.
    static CString ShortName(const CString& strPath);

    // The database the compiler writes into the target folder
    // ("PROTOCOL.BIN"). The one of an earlier compile is set aside under the
    // ".BAK" extension while the compiler runs, so after a failed compile
    // no database looks like its result; a compile that succeeds removes
    // the copy.
    void SetDatabaseName(const CString& strName) { m_strDatabaseName = strName; }
    // The database's path in the target folder; empty when none is named.
    CString GetDatabasePath() const;
    static CString BackupName(const CString& strDatabasePath);

    void SetRunner(CProcessRunner* pRunner) { m_pRunner = pRunner; }
    // Where list files go (the system's temporary folder unless set).
    void SetTempFolder(const CString& strFolder) { m_strTempFolder = strFolder; }

protected:
    CProtocolModel* m_pModel;
    CProtocolRowSource* m_pRows;
    CString m_strDefaultExtension;
    CProcessRunner* m_pRunner = nullptr;
    CString m_strTempFolder;
    CString m_strDatabaseName;
};
