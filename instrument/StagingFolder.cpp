#include "instrument/StagingFolder.h"

#include <atomic>
#include <cstdio>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 100;

// A name no other receive uses: a number of this receive in the process
// and a random part that sets processes apart.
std::string NewFolderName()
{
    static std::atomic<unsigned> s_receives{0};
    static std::mt19937_64 s_random{std::random_device{}()};
    char name[64];
    std::snprintf(name, sizeof name, "~g7k-receive-%u-%016llx.tmp", ++s_receives,
                  static_cast<unsigned long long>(s_random()));
    return name;
}

} // namespace

StagingFolder::StagingFolder(const fs::path& destination) : m_destination(destination)
{
    // Same folder, so the final move is a rename on the same volume.
    for (int attempt = 0; attempt < kNameAttempts && !m_ready; ++attempt) {
        m_path = m_destination / NewFolderName();
        std::error_code ec;
        m_ready = fs::create_directory(m_path, ec);  // false when the name exists
    }
}

StagingFolder::~StagingFolder()
{
    if (!m_ready || m_keep)
        return;
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

bool StagingFolder::Rename(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

bool StagingFolder::Commit(std::vector<std::string>* moved)
{
    if (!m_ready)
        return false;
    bool ok = true;
    std::error_code ec;
    std::vector<fs::path> received;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_path, ec))
        if (entry.is_regular_file())
            received.push_back(entry.path());
    for (const fs::path& file : received) {
        if (!MoveIntoPlace(file)) {
            ok = false;
            continue;
        }
        if (moved)
            moved->push_back(file.filename().string());
    }
    return ok && !ec;
}

bool StagingFolder::MoveIntoPlace(const fs::path& received)
{
    fs::path target = m_destination / received.filename();
    if (Rename(received, target))
        return true;
    std::error_code ec;
    if (!fs::exists(target, ec))
        return false;
    return Replace(received, target);
}

// For systems that refuse to rename over a file: the old one steps aside
// into the folder, and comes back when the new one cannot take its place.
bool StagingFolder::Replace(const fs::path& received, const fs::path& target)
{
    fs::path aside = UnusedNameInFolder();
    if (aside.empty() || !Rename(target, aside))
        return false;
    if (Rename(received, target))
        return true;
    if (!Rename(aside, target))
        m_keep = true;
    return false;
}

fs::path StagingFolder::UnusedNameInFolder() const
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        fs::path candidate = m_path / ("~replaced-" + std::to_string(attempt));
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec)
            return candidate;
    }
    return fs::path();
}
