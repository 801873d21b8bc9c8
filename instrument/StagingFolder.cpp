#include "instrument/StagingFolder.h"

#include <chrono>
#include <system_error>

namespace fs = std::filesystem;

StagingFolder::StagingFolder(const fs::path& destination) : m_destination(destination)
{
    // Same folder, so the final move is a rename on the same volume.
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100 && !m_ready; ++attempt) {
        m_path = m_destination / ("~g7k-receive-" + std::to_string((stamp + attempt) % 1000000) + ".tmp");
        std::error_code ec;
        m_ready = fs::create_directory(m_path, ec);
    }
}

StagingFolder::~StagingFolder()
{
    if (!m_ready)
        return;
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

bool StagingFolder::Commit(std::vector<std::string>* moved)
{
    if (!m_ready)
        return false;
    bool ok = true;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_path, ec)) {
        if (!entry.is_regular_file())
            continue;
        fs::path target = m_destination / entry.path().filename();
        std::error_code moveError;
        fs::rename(entry.path(), target, moveError);
        if (moveError) {
            // Some systems refuse to rename over an existing file.
            fs::remove(target, moveError);
            fs::rename(entry.path(), target, moveError);
        }
        if (moveError) {
            ok = false;
            continue;
        }
        if (moved)
            moved->push_back(entry.path().filename().string());
    }
    return ok && !ec;
}
