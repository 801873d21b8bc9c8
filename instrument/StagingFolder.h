// A private folder inside a destination folder where received files are
// written first. Commit moves them under their final names (replacing older
// ones); otherwise the destructor deletes them, so a failed or aborted
// receive never leaves a partial file where the user looks for data.
//
// The folder's name is new for every receive and the folder is created
// exclusively, so it is never one of the user's. A file being replaced is
// moved aside into the folder first and put back when the new one cannot
// take its place: a failed commit keeps the old file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class StagingFolder {
public:
    explicit StagingFolder(const std::filesystem::path& destination);
    virtual ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool IsReady() const { return m_ready; }
    std::string Path() const { return m_path.string(); }
    // Moves every received file into the destination; the names moved.
    // False when a file could not be moved: the destination keeps the file
    // it had, and the new copy is dropped with the folder.
    bool Commit(std::vector<std::string>* moved = nullptr);

protected:
    // Renames a file; false when the system refuses (some refuse to rename
    // over an existing file).
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to);

private:
    bool MoveIntoPlace(const std::filesystem::path& received);
    bool Replace(const std::filesystem::path& received, const std::filesystem::path& target);
    std::filesystem::path UnusedNameInFolder() const;

    std::filesystem::path m_destination;
    std::filesystem::path m_path;
    bool m_ready = false;
    // An old file that could not be put back lives on in the folder, which
    // then stays where it is.
    bool m_keep = false;
};
