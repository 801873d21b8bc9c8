#include "framework/Portable.h"
#include "app/project/ProtocolCompiler.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"
#include "framework/ProfileStore.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// A fresh "ZEZ" file that did not exist before: never reuses someone
// else's file of the same name.
FILE* CreateListFile(const CString& strFolder, CString& strPath)
{
    static unsigned s_nCounter = 0;
    const unsigned nSeed = static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int nTry = 0; nTry < 1000; ++nTry) {
        CString strName;
        strName.Format("ZEZ%05X", (nSeed + ++s_nCounter * 7919u) & 0xFFFFF);
        strPath = WithSeparator(strFolder) + strName;
        OsFile::Error error;
        if (!OsFile::CreateNew(strPath, error))
            continue;
        // The file is ours now; the list is text in the system's line ends.
        FILE* pFile = std::fopen(strPath, "w");
        if (pFile)
            return pFile;
        std::remove(strPath);
    }
    strPath.Empty();
    return nullptr;
}

bool FileExists(const CString& strPath)
{
    FILE* pFile = std::fopen(strPath, "rb");
    if (!pFile)
        return false;
    std::fclose(pFile);
    return true;
}

CString Quoted(const CString& str) { return "\"" + str + "\""; }

} // namespace

CProtocolCompiler::CProtocolCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows,
                                     LPCTSTR pszDefaultExtension)
    : m_pModel(pModel)
    , m_pRows(pRows)
    , m_strDefaultExtension(pszDefaultExtension ? pszDefaultExtension : "")
{
}

CProtocolCompiler::~CProtocolCompiler() = default;

int CProtocolCompiler::WriteInputList(CString& strListPath, BOOL bSelectedOnly, BOOL bKeepPath)
{
    CString strPath;
    FILE* pFile = CreateListFile(m_strTempFolder.IsEmpty() ? OsFile::TempFolder() : m_strTempFolder, strPath);
    if (!pFile)
        return 0;

    int nWritten = 0;
    const int nRows = m_pRows ? m_pRows->GetRowCount() : 0;
    for (int nRow = 0; nRow < nRows; ++nRow) {
        if (bSelectedOnly && !m_pRows->IsRowSelected(nRow))
            continue;
        CProtocolInfo* pInfo = m_pRows->GetRowInfo(nRow);
        if (!pInfo)
            continue;
        // The name field itself (a conversion record shows a title but keeps the path).
        CString strName = pInfo->CProtocolInfo::GetName();
        if (!bKeepPath)
            strName = FileNamePart(strName);
        if (strName.Find('.') < 0)
            strName += m_strDefaultExtension;
        std::fprintf(pFile, "%s\n", static_cast<LPCTSTR>(ShortName(strName)));
        ++nWritten;
    }
    const bool bWriteFailed = std::fclose(pFile) != 0;
    if (nWritten == 0 || bWriteFailed) {
        std::remove(strPath);
        return 0;
    }
    strListPath = strPath;
    return nWritten;
}

int CProtocolCompiler::Compile(const CString& strType, const CString& strDocumentPath)
{
    // The thread is blocked while the compiler runs.
    WaitCursorScope wait;
    OsFile::CurrentDirectoryScope restoreDirectory;
    if (m_pModel && !m_pModel->GetSourceFolder().IsEmpty())
        OsFile::ChangeDirectory(m_pModel->GetSourceFolder());

    CString strListPath;
    if (WriteInputList(strListPath, FALSE, FALSE) == 0)
        return COMPILE_NO_INPUT;

    const CString strLogName = ShortName(MakeLogName(strDocumentPath));
    std::remove(strLogName);
    const CString strDatabase = GetDatabasePath();
    OsFile::Error error;
    if (!strDatabase.IsEmpty() && OsFile::FileExists(strDatabase))
        OsFile::Replace(strDatabase, BackupName(strDatabase), error);

    CString strOutput = m_pModel ? m_pModel->GetTargetFolder() : CString();
    strOutput = ShortName(WithTrailingBackslash(strOutput) + ".");
    NormalizePath(strOutput);

    const CString strMain = GetHostServices().Profile().GetString("Folders", "Main", "");
    const CString strCommand = BuildCommandLine(strMain, strType, strListPath, strLogName, strOutput);

    CProcessRunner& runner = m_pRunner ? *m_pRunner : GetSystemProcessRunner();
    const int nExit = runner.Run(strCommand);

    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::remove(strListPath);

    if (nExit == CProcessRunner::NOT_STARTED)
        return COMPILE_NOT_STARTED;
    if (nExit != 0)
        return nExit;
    if (!FileExists(strLogName))
        return COMPILE_NO_OUTPUT;
    if (!strDatabase.IsEmpty())
        OsFile::Remove(BackupName(strDatabase), error);
    return COMPILE_OK;
}

CString CProtocolCompiler::GetDatabasePath() const
{
    if (m_strDatabaseName.IsEmpty() || !m_pModel)
        return CString();
    return WithSeparator(m_pModel->GetTargetFolder()) + m_strDatabaseName;
}

CString CProtocolCompiler::BackupName(const CString& strDatabasePath)
{
    return FileStem(strDatabasePath) + ".BAK";
}

void CProtocolCompiler::NormalizePath(CString& strPath)
{
    if (strPath.Find(":\\:\\") >= 1 || strPath.Find("\\:\\") >= 0)
        strPath = strPath.Left(1) + strPath.Mid(4);
}

CString CProtocolCompiler::MakeLogName(const CString& strDocumentPath)
{
    return FileStem(strDocumentPath) + ".Log";
}

CString CProtocolCompiler::BuildCommandLine(const CString& strMainFolder, const CString& strType,
                                            const CString& strListPath, const CString& strLogName,
                                            const CString& strOutputName)
{
    CString strProgram = "ORDA";
    if (!strMainFolder.IsEmpty())
        strProgram = Quoted(WithTrailingBackslash(strMainFolder) + "ORDA");
    return strProgram + " -t=" + strType + " -i=" + Quoted(strListPath) + " -v=" + Quoted(strLogName)
        + " -o=" + Quoted(strOutputName);
}

CString CProtocolCompiler::ShortName(const CString& strPath) { return OsFile::ShortPath(strPath); }
