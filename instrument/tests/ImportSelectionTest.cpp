// The import dialog's decisions over an in-memory folder tree.
#include "instrument/ImportSelection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace {

// Items are nodes; a folder is an item created as one (the file image is the file's).
class FakeTree : public IImportTree {
public:
    struct Node {
        std::string text;
        bool file = false;
        int folder = 0;
        int check = kUnchecked;
        bool disabled = false;
        bool exists = false;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node* Add(Node* parent, const std::string& text, bool file, int folder)
    {
        auto node = std::make_unique<Node>();
        node->text = text;
        node->file = file;
        node->folder = folder;
        node->parent = parent;
        Node* raw = node.get();
        (parent ? parent->children : m_top).push_back(std::move(node));
        return raw;
    }

    Item Root() const override { return m_top.empty() ? nullptr : m_top.front().get(); }
    Item FirstChild(Item item) const override
    {
        const Node* n = N(item);
        return n->children.empty() ? nullptr : n->children.front().get();
    }
    Item NextSibling(Item item) const override
    {
        const Node* n = N(item);
        const auto& list = n->parent ? n->parent->children : m_top;
        for (size_t i = 0; i + 1 < list.size(); ++i)
            if (list[i].get() == n)
                return list[i + 1].get();
        return nullptr;
    }
    int GetCheck(Item item) const override { return N(item)->check; }
    void SetCheck(Item item, int state) override { const_cast<Node*>(N(item))->check = state; }
    bool IsDisabled(Item item) const override
    {
        for (const Node* n = N(item); n; n = n->parent)
            if (n->disabled)
                return true;
        return false;
    }
    bool IsFile(Item item) const override { return N(item)->file; }
    bool HasExistsMark(Item item) const override { return N(item)->exists; }
    std::string Text(Item item) const override { return N(item)->text; }
    int FolderIndex(Item item) const override { return N(item)->folder; }

private:
    static const Node* N(Item item) { return static_cast<const Node*>(item); }
    std::vector<std::unique_ptr<Node>> m_top;
};

class ImportTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        root = tree.Add(nullptr, "<S/N: 1234567>", false, 0);
        sp = tree.Add(root, "SP", false, 1);
        a = tree.Add(sp, "A.G7K", true, 1);
        b = tree.Add(sp, "B.G7K", true, 1);
        res = tree.Add(root, "Resistivity (No files)", false, 2);
        res->disabled = true;
        ip = tree.Add(root, "IP", false, 3);
        c = tree.Add(ip, "C.G7K", true, 3);
    }
    FakeTree tree;
    FakeTree::Node *root, *sp, *a, *b, *res, *ip, *c;
};

TEST_F(ImportTreeTest, OneOfTwoFilesMakesFolderAndRootPartlyChecked)
{
    ToggleCheck(tree, a);
    EXPECT_EQ(a->check, kChecked);
    EXPECT_EQ(sp->check, kPartlyChecked);
    EXPECT_EQ(root->check, kPartlyChecked);
    ToggleCheck(tree, b);
    EXPECT_EQ(sp->check, kChecked);
    EXPECT_EQ(root->check, kPartlyChecked);  // IP is still unchecked
    ToggleCheck(tree, c);
    EXPECT_EQ(ip->check, kChecked);
}

TEST_F(ImportTreeTest, ClickingAPartlyCheckedFolderUnchecksItsFiles)
{
    ToggleCheck(tree, a);
    ToggleCheck(tree, sp);
    EXPECT_EQ(a->check, kUnchecked);
    EXPECT_EQ(b->check, kUnchecked);
    EXPECT_EQ(sp->check, kUnchecked);
    ToggleCheck(tree, root);
    EXPECT_EQ(c->check, kChecked);
    EXPECT_EQ(b->check, kChecked);
}

TEST_F(ImportTreeTest, ADisabledFolderIgnoresClicks)
{
    ToggleCheck(tree, res);
    EXPECT_EQ(res->check, kUnchecked);
    EXPECT_EQ(root->check, kUnchecked);
}

TEST_F(ImportTreeTest, CollectsCheckedFilesOnceAndExistingOnesOnlyToOverwrite)
{
    tree.Add(sp, "a.g7k", true, 1);  // the same file in another case
    ToggleCheck(tree, root);
    b->exists = true;
    EXPECT_EQ(CollectSelectedFiles(tree, false),
              (std::vector<std::string>{"C:\\DATA\\SP\\A.G7K", "C:\\DATA\\IP\\C.G7K"}));
    EXPECT_EQ(CollectSelectedFiles(tree, true),
              (std::vector<std::string>{"C:\\DATA\\SP\\A.G7K", "C:\\DATA\\SP\\B.G7K", "C:\\DATA\\IP\\C.G7K"}));
    ToggleCheck(tree, root);
    EXPECT_TRUE(CollectSelectedFiles(tree, true).empty());
}

TEST(ImportSelection, SplitsDirectoryLines)
{
    const struct { const char* line; DirEntry entry; } cases[] = {
        {"FILE1.G7K 1024 2021-03-07 09:05:10\r", {"FILE1.G7K", "1024", "2021-03-07 09:05:10"}},
        {"FILE2.G7K\t10\t07.03.21\t09:05", {"FILE2.G7K", "10", "07.03.21 09:05"}},
        {"  LONE.LOG  ", {"LONE.LOG", "", ""}},
        {"A 1 2021-01-01", {"A", "1", "2021-01-01"}},
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        const DirEntry e = ParseDirLine(c.line);
        EXPECT_EQ(e.name, c.entry.name) << c.line;
        EXPECT_EQ(e.size, c.entry.size) << c.line;
        EXPECT_EQ(e.modified, c.entry.modified) << c.line;
    }
}

TEST(ImportSelection, OffersOnlyExistingG7kFilesWithOrWithoutTrailingBackslash)
{
    const std::set<std::string> existing = {"D:\\IMPORT\\A.G7K", "D:\\IMPORT\\b.g7k", "D:\\IMPORT\\R.LOG"};
    auto exists = [&](const std::string& p) { return existing.count(p) > 0; };
    const std::vector<std::string> paths = {"C:\\DATA\\SP\\A.G7K", "C:\\DATA\\LOG\\R.LOG", "C:\\DATA\\IP\\b.g7k",
                                            "C:\\DATA\\IP\\GONE.G7K"};
    const std::vector<std::string> expected = {"D:\\IMPORT\\A.G7K", "D:\\IMPORT\\b.g7k"};
    EXPECT_EQ(ConversionCandidates(paths, "D:\\IMPORT", exists), expected);
    EXPECT_EQ(ConversionCandidates(paths, "D:\\IMPORT\\", exists), expected);
    EXPECT_EQ(ImportFolderFile("D:\\IMPORT", "X"), ImportFolderFile("D:\\IMPORT\\", "X"));
}

TEST(ImportSelection, AddsEachPathOnceInAnyCase)
{
    std::vector<std::string> list;
    EXPECT_TRUE(AddUnique(list, "C:\\DATA\\SP\\A.G7K"));
    EXPECT_FALSE(AddUnique(list, "c:\\data\\sp\\a.g7k"));
    EXPECT_TRUE(AddUnique(list, "C:\\DATA\\SP\\B.G7K"));
    EXPECT_EQ(list.size(), 2u);
}

} // namespace

// What an "Import All" brought: new files and rewritten ones, not the
// files that stood there before unchanged.
TEST(ImportSelection, FolderSnapshotsNameTheNewAndRewrittenFiles)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("g7k-snapshot-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "OLD.G7K") << "old";
    std::ofstream(folder / "KEPT.G7K") << "kept";
    const FolderSnapshot before(folder.string());
    EXPECT_TRUE(before.ChangedFiles().empty());
    std::ofstream(folder / "OLD.G7K") << "rewritten";
    std::ofstream(folder / "NEW.G7K") << "new";
    fs::create_directories(folder / "SUB");
    EXPECT_EQ((std::vector<std::string>{"NEW.G7K", "OLD.G7K"}), before.ChangedFiles());
    fs::remove_all(folder);
}
