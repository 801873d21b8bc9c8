#include "framework/Portable.h"
#include "app/dialogs/ProtocolSelection.h"
#include "app/dialogs/tests/TempFolder.h"
#include "app/project/ProtocolModel.h"
#include "framework/HostServices.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class CNamesModel : public CProtocolModel
{
public:
    BOOL AddByFileName(LPCTSTR pszName) override
    {
        if (CString(pszName).Left(5).CompareNoCase("throw") == 0)
            throw std::runtime_error("unreadable");
        return AddNamedRecord(pszName);
    }
    std::vector<CString> Names()
    {
        std::vector<CString> names;
        for (POSITION pos = GetInfoList().GetHeadPosition(); pos != nullptr;)
            names.push_back(GetInfoList().GetNext(pos)->GetName());
        return names;
    }
};

class CRecordingProgress : public CSilentHostServices
{
public:
    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) override
    {
        calls.push_back(std::string("begin ") + pszText + " " + std::to_string(nLower) + ".." + std::to_string(nUpper)
                        + " " + std::to_string(nStep));
        return TRUE;
    }
    void SetProgressPos(int nPos) override { calls.push_back("pos " + std::to_string(nPos)); }
    void EndProgress() override { calls.push_back("end"); }
    std::vector<std::string> calls;
};

struct ProtocolSelectionTest : ::testing::Test
{
    std::vector<CString> folder{"LINE3.ORG", "line1.org", "Line2.ORG"};
    int nScans = 0;
    CProtocolSelection selection{[this] {
        ++nScans;
        return folder;
    }};
};

typedef std::vector<CString> Names;

} // namespace

TEST_F(ProtocolSelectionTest, ProjectFilesHideFolderFilesWhateverTheirCase)
{
    selection.SetSelected({"LINE1.ORG", "Gone.ORG", "gone.org"});
    selection.RefillAvailable();
    EXPECT_EQ((Names{"Gone.ORG", "LINE1.ORG"}), selection.Selected());
    EXPECT_EQ((Names{"Line2.ORG", "LINE3.ORG"}), selection.Available()) << "names as found, sorted";
}

TEST_F(ProtocolSelectionTest, MovesKeepBothListsSorted)
{
    selection.SetSelected({"Gone.ORG"});
    selection.RefillAvailable();
    selection.Add({2, 0, 9});
    EXPECT_EQ((Names{"Gone.ORG", "line1.org", "LINE3.ORG"}), selection.Selected());
    EXPECT_EQ((Names{"Line2.ORG"}), selection.Available());
    selection.AddAll();
    EXPECT_TRUE(selection.Available().empty());
    EXPECT_EQ(4u, selection.Selected().size());

    // A removed file that has left the folder does not come back; one scan
    // serves all the rows removed together.
    const int nScansBefore = nScans;
    selection.Remove({0, 1});
    EXPECT_EQ(nScansBefore + 1, nScans);
    EXPECT_EQ((Names{"Line2.ORG", "LINE3.ORG"}), selection.Selected());
    EXPECT_EQ((Names{"line1.org"}), selection.Available());
    selection.RemoveAll();
    EXPECT_TRUE(selection.Selected().empty());
    EXPECT_EQ((Names{"line1.org", "Line2.ORG", "LINE3.ORG"}), selection.Available());
}

TEST_F(ProtocolSelectionTest, OkRebuildsTheModelInListOrderWithProgress)
{
    CRecordingProgress progress;
    CHostServicesScope host(progress);
    CNamesModel model;
    model.AddByFileName("OLD.ORG");
    selection.SetSelected({"b.org", "A.ORG"});
    selection.ApplyTo(model);
    EXPECT_EQ((Names{"A.ORG", "b.org"}), model.Names());
    EXPECT_EQ((std::vector<std::string>{"begin Scanning files: 0..2 10", "pos 0", "pos 1", "end"}), progress.calls);

    progress.calls.clear();
    selection.SetSelected({});
    selection.ApplyTo(model);
    EXPECT_TRUE(model.Names().empty());
    EXPECT_TRUE(progress.calls.empty()) << "no progress for an empty project";
}

TEST_F(ProtocolSelectionTest, AnUnreadableFileCostsOnlyItsOwnRecord)
{
    CRecordingProgress progress;
    CHostServicesScope host(progress);
    CNamesModel model;
    selection.SetSelected({"a.org", "THROW1.ORG", "z.org", "throw2.org"});
    EXPECT_THROW(selection.ApplyTo(model), std::runtime_error);
    EXPECT_EQ((Names{"a.org", "z.org"}), model.Names());
    EXPECT_EQ("end", progress.calls.back());
}

TEST(ProtocolSelection, ScansTheSourceFolderForTheFamilysFiles)
{
    CTempFolder folder;
    for (const char* pszName : {"line1.org", "LINE2.ORG", "line1.up", "notes.txt"})
        folder.Write(pszName, "x");
    const CString strPattern = CProtocolSelection::ScanPattern(folder.Path(), ".ORG");
    EXPECT_STREQ(folder.Path() + "*.ORG", strPattern);
    CProtocolSelection selection(CProtocolSelection::FilesMatching(strPattern));
    selection.SetSelected({"LINE1.ORG"});
    selection.RefillAvailable();
    EXPECT_EQ((Names{"LINE2.ORG"}), selection.Available());
}
