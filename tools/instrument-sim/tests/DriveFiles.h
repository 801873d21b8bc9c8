// Files for the tests around the instrument simulator: the instrument's drive
// folder and the PC's import folder are plain folders of the host.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace simtest {

inline std::string ReadFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& p, const std::string& data)
{
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << data;
}

// The same bytes for the same seed, so a failure can be replayed.
inline std::string RandomBytes(size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

// Writes size random bytes to p and returns them.
inline std::string WriteRandomFile(const std::filesystem::path& p, size_t size, unsigned seed)
{
    std::string data = RandomBytes(size, seed);
    WriteFile(p, data);
    return data;
}

}  // namespace simtest
