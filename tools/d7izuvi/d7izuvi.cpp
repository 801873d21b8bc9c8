// A stand-in for the data converter D7IZUVI, for tests and demonstrations.
//
//   D7IZUVI -F:<letter> [switches] @<list file> <output folder> [-V:<log>]
//
// It reads the list file (one data file per line), checks that each is a
// data file (a header of at least 16 bytes whose version is 1 to 99), and
// writes "<title><ext>" into the output folder for each, the extension by
// the format letter. Without -w an existing output is left alone and
// reported. The log, when -V: names one, lists every input and the result.
// Exit status: 0 converted, 1 some input missing or no data file, 2 bad
// usage. D7IZUVI_FAIL=<status> makes it fail with that status after
// writing its log.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Format { char chLetter; const char* pszExtension; const char* pszName; };
const Format kFormats[] = {
    {'a', ".NMP", "Norvik Multi-Purpose"}, {'e', ".DAT", "Surfer"}, {'p', ".RPD", "Resix IP"},
    {'x', ".REX", "Resix Plus"}, {'r', ".DAT", "Res2Dinv"}, {'3', ".DAT", "Res3Dinv"}, {'l', ".LAS", "LAS"},
};

const Format* FindFormat(char chLetter)
{
    for (const Format& format : kFormats)
        if (format.chLetter == chLetter)
            return &format;
    return nullptr;
}

// Switches that take no value, and prefixes of those that do.
bool IsKnownSwitch(const std::string& arg)
{
    static const char* const kPlain[] = {"-w", "-L", "-z0", "-z1", "-z2", "-z3", "-b", "-!", "-N",
                                         "-u", "-n", "-p", "-x", "-R", "-G:off"};
    static const char* const kValued[] = {"-c:", "-t:", "-i:", "-s:", "-k:", "-m:", "-g:", "-G:"};
    for (const char* psz : kPlain)
        if (arg == psz)
            return true;
    for (const char* psz : kValued)
        if (arg.compare(0, std::strlen(psz), psz) == 0 && arg.size() > std::strlen(psz))
            return true;
    return false;
}

std::string Title(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.substr(0, name.find('.'));
}

bool Exists(const std::string& path)
{
    FILE* p = std::fopen(path.c_str(), "rb");
    if (!p)
        return false;
    std::fclose(p);
    return true;
}

// The header's version, or -1 when the file is no data file.
int DataFileVersion(const std::string& path)
{
    FILE* p = std::fopen(path.c_str(), "rb");
    if (!p)
        return -1;
    unsigned char head[16];
    const size_t n = std::fread(head, 1, sizeof head, p);
    std::fclose(p);
    if (n < sizeof head)
        return -1;
    const int version = head[0] | (head[1] << 8);
    return version >= 1 && version <= 99 ? version : -1;
}

std::vector<std::string> ReadList(const std::string& path)
{
    std::vector<std::string> names;
    FILE* p = std::fopen(path.c_str(), "r");
    if (!p)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, p)) {
        std::string name(line);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
            name.pop_back();
        if (!name.empty())
            names.push_back(name);
    }
    std::fclose(p);
    return names;
}

struct Run
{
    const Format* pFormat = nullptr;
    std::string list, folder, log, switches;
    bool bOverwrite = false;
    bool bUsageError = false;
    std::string usage;
};

Run ParseArguments(int argc, char** argv)
{
    Run run;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, 3, "-F:") == 0 && arg.size() == 4) {
            run.pFormat = FindFormat(arg[3]);
        } else if (arg.compare(0, 3, "-V:") == 0) {
            run.log = arg.substr(3);
        } else if (!arg.empty() && arg[0] == '@') {
            run.list = arg.substr(1);
        } else if (!arg.empty() && arg[0] == '-') {
            if (!IsKnownSwitch(arg)) {
                run.bUsageError = true;
                run.usage = "unknown switch " + arg;
            }
            run.bOverwrite = run.bOverwrite || arg == "-w";
            run.switches += arg + " ";
        } else {
            run.folder = arg;
        }
    }
    if (!run.pFormat && !run.bUsageError)
        run.bUsageError = true, run.usage = "no output format (-F:<letter>)";
    if (run.list.empty() && !run.bUsageError)
        run.bUsageError = true, run.usage = "no list file (@<list>)";
    if (run.folder.empty() && !run.bUsageError)
        run.bUsageError = true, run.usage = "no output folder";
    if (!run.folder.empty() && run.folder.back() != '\\' && run.folder.back() != '/')
        run.folder += '\\';
    return run;
}

bool WriteOutput(const std::string& path, const std::string& input, int version, const Run& run)
{
    FILE* p = std::fopen(path.c_str(), "w");
    if (!p)
        return false;
    std::fprintf(p, "# %s data converted by D7IZUVI (stand-in)\n", run.pFormat->pszName);
    std::fprintf(p, "# input: %s (record version %d)\n", input.c_str(), version);
    std::fprintf(p, "# switches: %s\n", run.switches.c_str());
    for (int i = 1; i <= 10; ++i)
        std::fprintf(p, "%d\t%.2f\t%.3f\n", i, i * 2.0, 100.0 / i);
    return std::fclose(p) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Run run = ParseArguments(argc, argv);
    std::vector<std::string> body;
    int nErrors = 0, nWarnings = 0, nConverted = 0;
    const std::vector<std::string> inputs = run.bUsageError ? std::vector<std::string>() : ReadList(run.list);
    if (run.bUsageError) {
        body.push_back("Error: " + run.usage);
        ++nErrors;
    } else if (inputs.empty()) {
        body.push_back("Error: empty or missing list file " + run.list);
        ++nErrors;
    }
    for (const std::string& input : inputs) {
        const int version = Exists(input) ? DataFileVersion(input) : -2;
        if (version < 0) {
            body.push_back((version == -2 ? "Error: cannot open " : "Error: not a data file ") + input);
            ++nErrors;
            continue;
        }
        const std::string output = run.folder + Title(input) + run.pFormat->pszExtension;
        if (Exists(output) && !run.bOverwrite) {
            body.push_back("Warning: " + output + " exists, not overwritten (use -w)");
            ++nWarnings;
            continue;
        }
        if (!WriteOutput(output, input, version, run)) {
            body.push_back("Error: cannot write " + output);
            ++nErrors;
            continue;
        }
        body.push_back("Converted " + input + " -> " + output);
        ++nConverted;
    }

    const char* pszFail = std::getenv("D7IZUVI_FAIL");
    const int nForced = pszFail && *pszFail ? std::atoi(pszFail) : 0;
    if (nForced != 0)
        body.push_back("Error: conversion failed (D7IZUVI_FAIL)");
    if (!run.log.empty()) {
        if (FILE* pLog = std::fopen(run.log.c_str(), "w")) {
            std::fprintf(pLog, "D7IZUVI data converter (stand-in)\n\n");
            std::fprintf(pLog, "Format: %s\nInput list: %s\nOutput folder: %s\n\n",
                         run.pFormat ? run.pFormat->pszName : "-", run.list.c_str(), run.folder.c_str());
            for (const std::string& line : body)
                std::fprintf(pLog, "%s\n", line.c_str());
            std::fprintf(pLog, "\n%d files converted, %d errors, %d warnings\n", nConverted, nErrors, nWarnings);
            std::fclose(pLog);
        }
    }
    if (run.bUsageError) {
        std::fprintf(stderr, "usage: D7IZUVI -F:<letter> [switches] @<list> <output folder> [-V:<log>]\n");
        return 2;
    }
    if (nForced != 0)
        return nForced;
    return nErrors == 0 ? 0 : 1;
}
