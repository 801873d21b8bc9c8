#include "framework/Portable.h"
#include "conversion/ConverterEngine.h"
#include "conversion/ConversionOptions.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

const char kTooLong[] =
    "Command-line too long!\n\nThe command-line passed to the conversion program was too long. It may\n"
    "not exceed 127 characters. Please change the options selected.\n\nTip! Observe what the command-line "
    "looks like at the bottom of\nof the Data Conversion Dialog.";
const char kNotFound[] =
    "Could not find D7IZUVI.EXE!\n\nPlease check that the program D7IZUVI.EXE has been installed and that\n"
    "the PATH environment variable is correctly defined.\n";

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return OsFile::GetAttributes(strPath, dwAttributes);
}

void RemoveFile(const CString& strPath)
{
    OsFile::Error error;
    OsFile::Remove(strPath, error);
}

// Moves a file over any file of the target name; a failure leaves both.
void MoveOver(const CString& strSource, const CString& strTarget)
{
    OsFile::Error error;
    if (PathExists(strTarget))
        OsFile::Remove(strTarget, error);
    OsFile::Rename(strSource, strTarget, error);
}

// "<folder>\<title>": the title is the file name up to its first ".".
CString TitleOf(const CString& strLine)
{
    const CString strName = FileNamePart(strLine);
    const int nDot = strName.Find('.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}

// The titles of the data files in a list file, one a line.
std::vector<CString> ListTitles(const CString& strListFile)
{
    std::vector<CString> titles;
    std::ifstream list(static_cast<LPCTSTR>(strListFile));
    std::string line;
    while (std::getline(list, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (!line.empty())
            titles.push_back(TitleOf(CString(line.c_str())));
    }
    return titles;
}

// The outputs of a run as they come: an output counts once it stands in the
// folder other than it stood before the run.
class COutputWatch
{
public:
    COutputWatch(const CString& strFolder, const std::vector<CString>& titles, const CString& strExtension)
    {
        for (const CString& strTitle : titles) {
            m_paths.push_back(strFolder + strTitle + strExtension);
            m_before.push_back(StampOf(m_paths.back()));
        }
    }

    int CountDone() const
    {
        int nDone = 0;
        for (size_t i = 0; i < m_paths.size(); ++i) {
            const Stamp now = StampOf(m_paths[i]);
            nDone += now.bExists && !(now == m_before[i]) ? 1 : 0;
        }
        return nDone;
    }

private:
    struct Stamp
    {
        bool bExists = false;
        ULONGLONG nSize = 0;
        time_t tWrite = 0;
        bool operator==(const Stamp& other) const
        {
            return bExists == other.bExists && nSize == other.nSize && tWrite == other.tWrite;
        }
    };

    static Stamp StampOf(const CString& strPath)
    {
        std::vector<OsFile::FindData> found;
        OsFile::Error error;
        Stamp stamp;
        if (OsFile::FindFiles(strPath, found, error) && found.size() == 1)
            stamp = {true, found[0].nSize, found[0].tLastWrite};
        return stamp;
    }

    std::vector<CString> m_paths;
    std::vector<Stamp> m_before;
};

} // namespace

CConverterEngine::CConverterEngine(CConversionModel* pModel, CProtocolRowSource* pRows,
                                   const CString& strDocumentPath, IConversionOptionsPrompt* pPrompt)
    : CProtocolCompiler(pModel, pRows, ".G7K")
    , m_pConversionModel(pModel)
    , m_strDocumentPath(strDocumentPath)
    , m_pPrompt(pPrompt)
{
}

CConverterEngine::~CConverterEngine() = default;

CString CConverterEngine::MakeConverterLogName(const CString& strDocumentPath)
{
    const CString strBase = FileStem(strDocumentPath);
    return OsFile::ShortPath(FolderPart(strBase)) + FileNamePart(strBase) + ".Log";
}

CString CConverterEngine::MakeTimeStamp(const CTime& time)
{
    return time.Format("%Y.%m.%d.%H.%M.%S");
}

int CConverterEngine::Convert()
{
    CString strListFile;
    if (WriteInputList(strListFile, TRUE, TRUE) == 0)
        return CONVERT_NOTHING_RUN;
    struct ListFileEnd {
        const CString& path;
        ~ListFileEnd() { RemoveFile(path); }
    } listFileEnd{strListFile};

    const CString strTarget = m_pConversionModel ? m_pConversionModel->GetTargetFolder() : CString();
    if (!m_pPrompt || !m_pPrompt->Confirm(strTarget))
        return CONVERT_CANCELLED;

    CString strCommand = m_pPrompt->BuildCommandLine(strListFile);
    if (!m_strDocumentPath.IsEmpty()) {
        RemoveFile(FileStem(m_strDocumentPath) + ".Log");
        strCommand += " -V:" + QuoteArgument(MakeConverterLogName(m_strDocumentPath));
    }
    if (strCommand.GetLength() > kMaxConverterCommandLine) {
        GetHostServices().ReportError(kTooLong, HostIcon::Stop);
        return CONVERT_NOTHING_RUN;
    }
    strCommand = CommandWithProgramFolder(strCommand);

    CProcessRunner& runner = m_pRunner ? *m_pRunner : GetSystemProcessRunner();
    {
        // The converter runs for a while over many files: the files it has
        // written so far show how far it is.
        const std::vector<CString> titles = ListTitles(strListFile);
        const COutputWatch watch(WithTrailingBackslash(strTarget), titles, m_pPrompt->GetOutputExtension());
        WaitCursorScope wait;
        ProgressScope progress("Converting files:", 0, static_cast<int>(titles.size()));
        m_nExitStatus = runner.RunWatching(strCommand, [&] { progress.SetPos(watch.CountDone()); });
    }
    if (m_nExitStatus != 0) {
        ReportFailure(m_nExitStatus);
        return CONVERT_FAILED;
    }
    if (m_pPrompt->GetTimeStampOption())
        CollectOutput(strListFile, m_pPrompt->GetOutputExtension());
    return CONVERT_OK;
}

// The program folder is put in front only while the line stays within the
// converter's limit; otherwise the system finds the program.
CString CConverterEngine::CommandWithProgramFolder(const CString& strCommand)
{
    const CString strMain = GetHostServices().Profile().GetString("Folders", "Main", "");
    if (strMain.IsEmpty())
        return strCommand;
    const CString strProgram = QuoteArgument(WithTrailingBackslash(strMain) + "D7IZUVI");
    const CString strLine = strProgram + strCommand.Mid(static_cast<int>(std::strlen("D7IZUVI")));
    return strLine.GetLength() <= kMaxConverterCommandLine ? strLine : strCommand;
}

void CConverterEngine::ReportFailure(int nExitStatus)
{
    if (nExitStatus == CProcessRunner::NOT_STARTED) {
        GetHostServices().ReportError(kNotFound, HostIcon::Stop);
        return;
    }
    CString strMessage;
    strMessage.Format("The conversion failed!\n\nThe conversion program D7IZUVI.EXE ended with exit status %d.\n"
                      "See its log-file for the reason.",
                      nExitStatus);
    GetHostServices().ReportError(strMessage, HostIcon::Stop);
}

void CConverterEngine::CollectOutput(const CString& strListFile, const CString& strExtension)
{
    if (!PathExists(strListFile))
        return;
    const CString strStamp = MakeTimeStamp(m_pfnNow ? m_pfnNow() : CTime::GetCurrentTime());
    const CString strFolder =
        WithTrailingBackslash(m_pConversionModel ? m_pConversionModel->GetTargetFolder() : CString());
    for (const CString& strTitle : ListTitles(strListFile)) {
        const CString strSource = strFolder + strTitle + strExtension;
        if (PathExists(strSource))
            MoveOver(strSource, strFolder + strTitle + "." + strStamp + strExtension);
    }
    if (m_strDocumentPath.IsEmpty())
        return;
    const CString strBase = FileStem(m_strDocumentPath);
    if (PathExists(strBase + ".Log"))
        MoveOver(strBase + ".Log", strBase + "." + strStamp + ".LOG");
}
