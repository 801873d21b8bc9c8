#include "framework/Framework.h"
#include "app/project/ProtocolCompiler.h"
#include "framework/PathNames.h"
#include "app/project/ProfileStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <direct.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <fcntl.h>

namespace {

CString TempFolder()
{
#ifdef _WIN32
    char szPath[MAX_PATH + 1] = "";
    const DWORD n = GetTempPathA(sizeof szPath, szPath);
    if (n > 0 && n < sizeof szPath)
        return szPath;
    return ".\\";
#else
    const char* psz = getenv("TMPDIR");
    return CString(psz && *psz ? psz : "/tmp") + "/";
#endif
}

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
#ifdef _WIN32
        const int fd = _open(strPath, _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, 0600);
#else
        const int fd = open(strPath, O_WRONLY | O_CREAT | O_EXCL, 0600);
#endif
        if (fd < 0)
            continue;
        FILE* pFile = fdopen(fd, "w");
        if (pFile)
            return pFile;
#ifdef _WIN32
        _close(fd);
#else
        close(fd);
#endif
        std::remove(strPath);
    }
    strPath.Empty();
    return nullptr;
}

CString CurrentDirectory()
{
    char szPath[4096] = "";
#ifdef _WIN32
    if (!_getcwd(szPath, sizeof szPath))
#else
    if (!getcwd(szPath, sizeof szPath))
#endif
        return CString();
    return szPath;
}

int ChangeDirectory(const CString& strFolder)
{
#ifdef _WIN32
    return _chdir(strFolder);
#else
    return chdir(strFolder);
#endif
}

// Goes back to the directory it found when it leaves.
class CCurrentDirectoryGuard
{
public:
    CCurrentDirectoryGuard() : m_strSaved(CurrentDirectory()) {}
    ~CCurrentDirectoryGuard()
    {
        if (!m_strSaved.IsEmpty())
            ChangeDirectory(m_strSaved);
    }

private:
    CString m_strSaved;
};

// The wait cursor while the compiler runs (the thread is blocked meanwhile).
class CHourglass
{
public:
#ifdef _WIN32
    CHourglass() : m_hPrevious(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~CHourglass() { SetCursor(m_hPrevious); }

private:
    HCURSOR m_hPrevious;
#endif
};

bool FileExists(const CString& strPath)
{
    FILE* pFile = std::fopen(strPath, "rb");
    if (!pFile)
        return false;
    std::fclose(pFile);
    return true;
}

CString Quoted(const CString& str) { return "\"" + str + "\""; }

class CSystemProcessRunner : public CProcessRunner
{
public:
    int Run(const CString& strCommandLine) override
    {
#ifdef _WIN32
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        CString strLine = strCommandLine;
        if (!CreateProcessA(nullptr, strLine.GetBuffer(strLine.GetLength() + 1), nullptr, nullptr,
                            FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
            strLine.ReleaseBuffer();
            return NOT_STARTED;
        }
        strLine.ReleaseBuffer();
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD dwExit = 1;
        GetExitCodeProcess(pi.hProcess, &dwExit);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return static_cast<int>(dwExit);
#else
        const int nStatus = std::system(strCommandLine);
        if (nStatus == -1 || !WIFEXITED(nStatus))
            return NOT_STARTED;
        const int nExit = WEXITSTATUS(nStatus);
        return nExit == 127 ? NOT_STARTED : nExit;
#endif
    }
};

} // namespace

CProcessRunner& GetSystemProcessRunner()
{
    static CSystemProcessRunner s_runner;
    return s_runner;
}

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
    FILE* pFile = CreateListFile(m_strTempFolder.IsEmpty() ? TempFolder() : m_strTempFolder, strPath);
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
        CString strName = pInfo->GetName();
        if (!bKeepPath)
            strName = strName.Mid(strName.ReverseFind('\\') + 1);
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
    CHourglass wait;
    CCurrentDirectoryGuard restoreDirectory;
    if (m_pModel && !m_pModel->GetSourceFolder().IsEmpty())
        ChangeDirectory(m_pModel->GetSourceFolder());

    CString strListPath;
    if (WriteInputList(strListPath, FALSE, FALSE) == 0)
        return COMPILE_NO_INPUT;

    const CString strLogName = ShortName(MakeLogName(strDocumentPath));
    std::remove(strLogName);

    CString strOutput = m_pModel ? m_pModel->GetTargetFolder() : CString();
    strOutput = ShortName(WithTrailingBackslash(strOutput) + ".");
    NormalizePath(strOutput);

    const CString strMain = GetProfileStore().GetString("Folders", "Main", "");
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
    return COMPILE_OK;
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

CString CProtocolCompiler::ShortName(const CString& strPath)
{
#ifdef _WIN32
    char szShort[MAX_PATH + 1] = "";
    const DWORD n = GetShortPathNameA(strPath, szShort, sizeof szShort);
    if (n > 0 && n < sizeof szShort)
        return szShort;
#endif
    return strPath;
}
