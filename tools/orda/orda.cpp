// A stand-in for the protocol compiler ORDA, for tests and demonstrations.
//
//   ORDA -t=<type> -i=<list file> -v=<log file> -o=<output folder>\.
//
// It reads the list file (one protocol file name per line, relative to the
// current directory), checks that each file exists, writes the database
// ("PROTOCOL.BIN", or "POLYVECT.BIN" for type PV/POLYVECT) into the output
// folder and a log in the layout the compile-log viewer reads. Exit status:
// 0 compiled, 1 some input missing (log written, no database), 2 bad usage,
// 3 told to fail: with ORDA_FAIL set in the environment it writes a log
// naming the reason and no database, as a compiler that gave up would.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

std::string Switch(int argc, char** argv, const char* pszName)
{
    const size_t n = std::strlen(pszName);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], pszName, n) == 0)
            return argv[i] + n;
    return std::string();
}

std::string Upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool Exists(const std::string& path)
{
    FILE* p = std::fopen(path.c_str(), "rb");
    if (!p)
        return false;
    std::fclose(p);
    return true;
}

void AppendFile(FILE* pOut, const std::string& path)
{
    FILE* pIn = std::fopen(path.c_str(), "rb");
    if (!pIn)
        return;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pIn)) > 0)
        std::fwrite(buffer, 1, n, pOut);
    std::fclose(pIn);
}

// "C:\Out\." -> "C:\Out\"
std::string OutputFolder(std::string out)
{
    if (out.size() >= 1 && out.back() == '.')
        out.pop_back();
    if (!out.empty() && out.back() != '\\' && out.back() != '/')
        out += '\\';
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string type = Switch(argc, argv, "-t=");
    const std::string list = Switch(argc, argv, "-i=");
    const std::string log = Switch(argc, argv, "-v=");
    const std::string out = Switch(argc, argv, "-o=");
    if (type.empty() || list.empty() || log.empty() || out.empty()) {
        std::fprintf(stderr, "usage: ORDA -t=<type> -i=<list> -v=<log> -o=<folder>\\.\n");
        return 2;
    }

    std::vector<std::string> names;
    if (FILE* pList = std::fopen(list.c_str(), "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, pList)) {
            std::string name(line);
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
                name.pop_back();
            if (!name.empty())
                names.push_back(name);
        }
        std::fclose(pList);
    }

    std::vector<std::string> body;
    int nErrors = 0;
    const char* pszFail = std::getenv("ORDA_FAIL");
    const bool bTold = pszFail && *pszFail;
    if (bTold) {
        body.push_back(std::string("Fatal: ") + pszFail);
        ++nErrors;
    }
    for (const std::string& name : names) {
        if (Exists(name)) {
            body.push_back("Compiling " + Upper(name));
        } else {
            body.push_back("Error: cannot open " + Upper(name));
            ++nErrors;
        }
    }
    if (names.empty() && !bTold) {
        body.push_back("Error: empty input list");
        ++nErrors;
    }

    const bool polyvect = Upper(type) == "PV" || Upper(type) == "POLYVECT";
    const std::string database = OutputFolder(out) + (polyvect ? "POLYVECT.BIN" : "PROTOCOL.BIN");
    if (nErrors == 0) {
        if (FILE* pOut = std::fopen(database.c_str(), "wb")) {
            // Each protocol's name and then its text, as a database of
            // the protocols' sizes would hold them.
            for (const std::string& name : names) {
                std::fprintf(pOut, "%s%c", Upper(name).c_str(), '\0');
                AppendFile(pOut, name);
            }
            std::fclose(pOut);
        } else {
            body.push_back("Error: cannot write " + database);
            ++nErrors;
        }
    }

    FILE* pLog = std::fopen(log.c_str(), "w");
    if (!pLog)
        return 1;
    std::fprintf(pLog, "\n\n");
    std::fprintf(pLog, "ORDA protocol compiler (stand-in). Copyright none\n");
    std::fprintf(pLog, "Build: 1\n\n\n");
    std::fprintf(pLog, "Input file: %s\n", list.c_str());
    std::fprintf(pLog, "Output path: %s\n", out.c_str());
    for (const std::string& line : body)
        std::fprintf(pLog, "%s\n", line.c_str());
    std::fprintf(pLog, "%u lines processed. Errors: %d, Warnings: 0\n", static_cast<unsigned>(names.size()), nErrors);
    std::fprintf(pLog, "%s\n", nErrors == 0 ? "Compilation successful" : "Compilation failed");
    std::fclose(pLog);
    if (bTold)
        return 3;
    return nErrors == 0 ? 0 : 1;
}
