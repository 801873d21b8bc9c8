// Received files wait in a staging folder and replace the user's files
// only when they can: a refused move keeps the old file.
#include "instrument/StagingFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A staging folder on a system that refuses some renames.
class RefusingFolder : public StagingFolder {
public:
    using Refuse = std::function<bool(const fs::path& from, const fs::path& to)>;
    RefusingFolder(const fs::path& destination, Refuse refuse)
        : StagingFolder(destination), m_refuse(std::move(refuse)) {}

protected:
    bool Rename(const fs::path& from, const fs::path& to) override
    {
        return !m_refuse(from, to) && StagingFolder::Rename(from, to);
    }

private:
    Refuse m_refuse;
};

class StagingFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("g7k_staging_" + std::to_string(std::random_device()()));
        fs::create_directories(dir);
        Write(dir / "DATA.G7K", "old");
    }
    void TearDown() override { fs::remove_all(dir); }

    // The names in the destination, the staging folders' included.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

bool TargetExists(const fs::path&, const fs::path& to)
{
    return fs::exists(to);
}

TEST_F(StagingFolderTest, ReceivedFileReplacesTheOldOneAndTheFolderGoes)
{
    struct {
        const char* name;
        RefusingFolder::Refuse refuse;
    } systems[] = {
        {"replacing rename", [](const fs::path&, const fs::path&) { return false; }},
        {"no rename over a file", TargetExists},
    };
    for (auto& system : systems) {
        Write(dir / "DATA.G7K", "old");
        {
            RefusingFolder staging(dir, system.refuse);
            ASSERT_TRUE(staging.IsReady());
            Write(fs::path(staging.Path()) / "DATA.G7K", "new");
            Write(fs::path(staging.Path()) / "MORE.G7K", "more");
            std::vector<std::string> moved;
            EXPECT_TRUE(staging.Commit(&moved)) << system.name;
            EXPECT_EQ(moved.size(), 2u) << system.name;
        }
        EXPECT_EQ(Read(dir / "DATA.G7K"), "new") << system.name;
        EXPECT_EQ(Read(dir / "MORE.G7K"), "more") << system.name;
        EXPECT_EQ(Names(), (std::vector<std::string>{"DATA.G7K", "MORE.G7K"})) << system.name;
        fs::remove(dir / "MORE.G7K");
    }
}

TEST_F(StagingFolderTest, FailedCommitKeepsTheOldFile)
{
    {
        // The new copy can never take the old one's place (a locked file).
        RefusingFolder staging(dir, [](const fs::path& from, const fs::path& to) {
            return to.filename() == "DATA.G7K" && from.filename() == "DATA.G7K";
        });
        Write(fs::path(staging.Path()) / "DATA.G7K", "new");
        EXPECT_FALSE(staging.Commit());
    }
    EXPECT_EQ(Read(dir / "DATA.G7K"), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"DATA.G7K"});
}

TEST_F(StagingFolderTest, OldFileThatCannotBePutBackSurvivesInTheFolder)
{
    std::string staged;
    {
        // Nothing may be renamed onto DATA.G7K once the old one stepped aside.
        RefusingFolder staging(dir, [](const fs::path& from, const fs::path& to) {
            return to.filename() == "DATA.G7K";
        });
        staged = staging.Path();
        Write(fs::path(staged) / "DATA.G7K", "new");
        EXPECT_FALSE(staging.Commit());
    }
    bool found = false;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(staged, ec))
        found = found || Read(e.path()) == "old";
    EXPECT_TRUE(found) << "the old file was deleted with the staging folder";
}

TEST_F(StagingFolderTest, EveryReceiveHasAFolderOfItsOwnAndLeavesTheUsersAlone)
{
    // The user's own entries that look like staging folders.
    fs::create_directory(dir / "~g7k-receive-1.tmp");
    Write(dir / "~g7k-receive-1.tmp" / "keep.txt", "mine");
    Write(dir / "~g7k-receive-2.tmp", "mine too");
    {
        StagingFolder first(dir);
        StagingFolder second(dir);
        ASSERT_TRUE(first.IsReady());
        ASSERT_TRUE(second.IsReady());
        EXPECT_NE(first.Path(), second.Path());
        Write(fs::path(first.Path()) / "A.G7K", "a");
        EXPECT_TRUE(first.Commit());
    }
    EXPECT_EQ(Read(dir / "~g7k-receive-1.tmp" / "keep.txt"), "mine");
    EXPECT_EQ(Read(dir / "~g7k-receive-2.tmp"), "mine too");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.G7K", "DATA.G7K", "~g7k-receive-1.tmp", "~g7k-receive-2.tmp"}));
}

} // namespace
