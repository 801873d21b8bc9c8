// A private folder inside a destination folder where received files are
// written first. Commit moves them under their final names (replacing older
// ones); otherwise the destructor deletes them, so a failed or aborted
// receive never leaves a partial file where the user looks for data.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class StagingFolder {
public:
    explicit StagingFolder(const std::filesystem::path& destination);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool IsReady() const { return m_ready; }
    std::string Path() const { return m_path.string(); }
    // Moves every received file into the destination; the names moved.
    // False when a file could not be moved (it stays in the staging folder
    // until the destructor removes it).
    bool Commit(std::vector<std::string>* moved = nullptr);

private:
    std::filesystem::path m_destination;
    std::filesystem::path m_path;
    bool m_ready = false;
};
