#include "conversion/tests/TestFolder.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

TestFolder::TestFolder()
{
    static std::atomic<int> s_nCounter{0};
    // An 8.3 name, so that no short form differs from the name (Windows).
    char szName[16];
    std::snprintf(szName, sizeof szName, "cv%06x", static_cast<unsigned>(getpid() * 97 + ++s_nCounter) & 0xFFFFFF);
    const fs::path folder = fs::temp_directory_path() / szName;
    fs::remove_all(folder);
    fs::create_directories(folder);
    m_path = folder.string() + "/";
}

TestFolder::~TestFolder()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string TestFolder::Write(const std::string& name, const std::vector<BYTE>& bytes) const
{
    const std::string path = m_path + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

std::string TestFolder::WriteText(const std::string& name, const std::string& text) const
{
    const std::string path = m_path + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool TestFolder::Exists(const std::string& name) const { return fs::exists(m_path + name); }

std::vector<std::string> TestFolder::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

G7kHeader SampleHeader(WORD nVersion)
{
    G7kHeader header;
    header.nVersion = nVersion;
    header.dwRawTime = 3124166400u;
    header.nDataType = 2;
    header.nElectrodeSystem = 1;
    header.nArrayCode = 3;
    header.nChannels = 4;
    header.dwRecords = 100;
    return header;
}
