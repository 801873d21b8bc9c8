#include "framework/ProcessRunner.h"

#include "framework/OsFile.h"

namespace {

class CSystemProcessRunner : public CProcessRunner
{
public:
    int Run(const CString& strCommandLine) override
    {
        int nExit = 0;
        return OsFile::RunProcess(strCommandLine, nExit) ? nExit : NOT_STARTED;
    }
    int RunWatching(const CString& strCommandLine, const std::function<void()>& onWait) override
    {
        int nExit = 0;
        return OsFile::RunProcess(strCommandLine, nExit, onWait) ? nExit : NOT_STARTED;
    }
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

} // namespace

CProcessRunner& GetSystemProcessRunner()
{
    static CSystemProcessRunner s_runner;
    return s_runner;
}

std::vector<CString> SplitCommandLine(const CString& strCommandLine)
{
    std::vector<CString> args;
    const int nLength = strCommandLine.GetLength();
    int i = 0;
    for (;;) {
        while (i < nLength && IsBlank(strCommandLine[i]))
            ++i;
        if (i >= nLength)
            return args;
        CString strArg;
        bool bQuoted = false;
        while (i < nLength && (bQuoted || !IsBlank(strCommandLine[i]))) {
            int nBackslashes = 0;
            while (i < nLength && strCommandLine[i] == '\\') {
                ++nBackslashes;
                ++i;
            }
            if (i < nLength && strCommandLine[i] == '"') {
                // 2n backslashes and a quote: n backslashes, the quote toggles;
                // 2n+1: n backslashes and a literal quote.
                strArg += CString('\\', nBackslashes / 2);
                if (nBackslashes % 2 == 1) {
                    strArg += '"';
                } else if (bQuoted && i + 1 < nLength && strCommandLine[i + 1] == '"') {
                    strArg += '"';      // "" inside quotes is one quote
                    ++i;
                } else {
                    bQuoted = !bQuoted;
                }
                ++i;
                continue;
            }
            strArg += CString('\\', nBackslashes);
            if (nBackslashes == 0 && i < nLength) {
                if (!bQuoted && IsBlank(strCommandLine[i]))
                    break;
                strArg += strCommandLine[i++];
            }
        }
        args.push_back(strArg);
    }
}
