#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "app/project/ProjectFileReader.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolModel.h"
#include "app/project/tests/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A family that takes every name but those starting with "bad", and cannot
// read those starting with "throw".
class CTestModel : public CProtocolModel
{
public:
    BOOL AddByFileName(LPCTSTR pszName) override
    {
        asked.push_back(pszName);
        if (CString(pszName).Left(5) == "throw")
            throw std::runtime_error("unreadable");
        if (CString(pszName).Left(3) == "bad")
            return FALSE;
        return AddNamedRecord(pszName);
    }
    std::vector<std::string> asked;
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
    void StepProgress() override { calls.push_back("step"); }
    void EndProgress() override { calls.push_back("end"); }
    std::vector<std::string> calls;
};

class ProjectFile : public ::testing::Test
{
protected:
    void SetUp() override { InstallHostServices(&progress); }
    void TearDown() override { InstallHostServices(nullptr); }

    static void AddColumn(CProtocolModel& model, UINT nPosition, UINT nId, int nWidth, LPCTSTR pszHeading)
    {
        CColumnProperty prop(nId, 0, nWidth, FALSE, pszHeading, "");
        model.GetColumnMap().SetAt(nPosition, prop);
    }

    CRecordingProgress progress;
};

Bytes SaveModel(CProtocolModel& model)
{
    return StoreToBytes([&](CArchive& ar) { model.Serialize(ar); });
}

void PutColumn(Bytes& b, unsigned long nPosition, unsigned long nId, unsigned long nWidth, long nDirection,
               const std::string& strHeading)
{
    PutDword(b, nPosition);
    PutDword(b, 256);
    PutDword(b, nId);
    PutDword(b, 0);
    PutDword(b, nWidth);
    PutDword(b, static_cast<unsigned long>(nDirection));
    PutString(b, strHeading);
    PutString(b, strHeading);
}

// A project of two records and three columns, written by hand from the layout.
Bytes ExampleProject()
{
    Bytes b;
    PutDword(b, 256);
    PutString(b, "C:\\Src\\");
    PutString(b, "C:\\Out\\");
    PutDword(b, 2);
    PutString(b, "a.org");
    PutString(b, "b.org");
    PutWord(b, 3);
    // Positions 0-15 share hash bucket 0, newest first.
    PutColumn(b, 2, 12, 40, 1, "Items");
    PutColumn(b, 1, 11, 0, -1, "Array");
    PutColumn(b, 0, 10, 100, 1, "Name");
    return b;
}

} // namespace

TEST_F(ProjectFile, SavesTheExampleBytesAndLoadsThemBack)
{
    CTestModel model;
    model.SetSourceFolder("C:\\Src");
    model.SetTargetFolder("C:\\Out\\");
    model.AddByFileName("a.org");
    model.AddByFileName("b.org");
    AddColumn(model, 0, 10, 100, "Name");
    AddColumn(model, 1, 11, 0, "Array");
    AddColumn(model, 2, 12, 40, "Items");
    model.ToggleSortDirection(1);
    EXPECT_EQ(ExampleProject(), SaveModel(model));

    CTestModel loaded;
    LoadFromBytes(ExampleProject(), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(256u, loaded.GetLoadedVersion());
    EXPECT_STREQ("C:\\Src\\", loaded.GetSourceFolder());
    EXPECT_EQ(2, loaded.GetInfoCount());
    EXPECT_EQ(3, loaded.GetColumnCount());
    EXPECT_EQ(-1, loaded.GetSortDirection(1));
    EXPECT_EQ(0, loaded.GetSortColumn());
    EXPECT_FALSE(loaded.IsModified()) << "opening a project is not a change";
    EXPECT_EQ(ExampleProject(), SaveModel(loaded));
    EXPECT_EQ((std::vector<std::string>{"begin Scanning files: 0..2 10", "pos 0", "pos 1", "end"}),
              progress.calls);
}

TEST_F(ProjectFile, EmptyProjectShowsARangeOfOneAndSkipsEmptyNames)
{
    CTestModel empty;
    LoadFromBytes(SaveModel(empty), [&](CArchive& ar) { empty.Serialize(ar); });
    EXPECT_EQ("begin Scanning files: 0..1 10", progress.calls.front());

    Bytes b;
    PutDword(b, 256);
    PutString(b, "");
    PutString(b, "");
    PutDword(b, 3);
    PutString(b, "x.org");
    PutString(b, "");
    PutString(b, "bad.org");
    PutWord(b, 0);
    CTestModel model;
    LoadFromBytes(b, [&](CArchive& ar) { model.Serialize(ar); });
    EXPECT_EQ((std::vector<std::string>{"x.org", "bad.org"}), model.asked);
    EXPECT_EQ(1, model.GetInfoCount());
    EXPECT_STREQ("", model.GetSourceFolder()) << "an empty folder stays empty";
}

TEST_F(ProjectFile, ProgressEndsWhenAFileCannotBeRead)
{
    Bytes b;
    PutDword(b, 256);
    PutString(b, "");
    PutString(b, "");
    PutDword(b, 2);
    PutString(b, "x.org");
    PutString(b, "throw.org");
    PutWord(b, 0);
    CTestModel model;
    EXPECT_THROW(LoadFromBytes(b, [&](CArchive& ar) { model.Serialize(ar); }), std::runtime_error);
    EXPECT_EQ("end", progress.calls.back());
}

TEST_F(ProjectFile, ColumnMapsAreRenumberedDenselyAndDirectionsRepaired)
{
    Bytes b;
    PutDword(b, 256);
    PutString(b, "C:\\Src");
    PutString(b, "C:\\Out");
    PutDword(b, 0);
    PutWord(b, 4);
    PutColumn(b, 40, 3, 10, 1, "Third");
    PutColumn(b, 7, 2, 10, 5, "Second");
    PutColumn(b, 7, 2, 10, -1, "Second again");
    PutColumn(b, 2, 1, 10, 0, "First");
    CTestModel model;
    LoadFromBytes(b, [&](CArchive& ar) { model.Serialize(ar); });

    ASSERT_EQ(3, model.GetColumnCount());
    const struct { UINT nPosition; UINT nId; int nDirection; LPCTSTR pszHeading; } expected[] = {
        {0, 1, 1, "First"}, {1, 2, -1, "Second again"}, {2, 3, 1, "Third"}};
    for (const auto& e : expected) {
        CColumnProperty prop;
        ASSERT_TRUE(model.GetColumnMap().Lookup(e.nPosition, prop)) << e.nPosition;
        EXPECT_EQ(e.nId, prop.GetColumnId());
        EXPECT_EQ(e.nDirection, prop.GetSortDirection());
        EXPECT_STREQ(e.pszHeading, prop.GetHeading());
    }
    EXPECT_STREQ("C:\\Src\\", model.GetSourceFolder()) << "loaded folders gain their trailing backslash";
    EXPECT_STREQ("C:\\Out\\", model.GetTargetFolder());
}

TEST_F(ProjectFile, MalformedFilesAreRefusedAndNothingIsLoaded)
{
    const Bytes good = ExampleProject();
    Bytes wrongVersion = good;
    wrongVersion[1] = 0x02;
    Bytes longString;
    PutDword(longString, 256);
    longString.push_back(0xFF);
    PutWord(longString, 0xFFFF);
    PutDword(longString, 0x7FFFFFFF);
    longString.push_back('C');
    Bytes manyNames;
    PutDword(manyNames, 256);
    PutString(manyNames, "");
    PutString(manyNames, "");
    PutDword(manyNames, 0xFFFFFFFF);
    PutString(manyNames, "a.org");

    const struct { const char* pszCase; Bytes bytes; int nCause; } cases[] = {
        {"empty file", Bytes(), CArchiveException::endOfFile},
        {"version 512", wrongVersion, CArchiveException::badSchema},
        {"cut in a folder", Bytes(good.begin(), good.begin() + 8), CArchiveException::endOfFile},
        {"cut in the names", Bytes(good.begin(), good.begin() + 30), CArchiveException::endOfFile},
        {"cut after the column count", Bytes(good.begin(), good.begin() + 38), CArchiveException::endOfFile},
        {"cut in the last column", Bytes(good.begin(), good.end() - 1), CArchiveException::endOfFile},
        {"string longer than the file", longString, CArchiveException::endOfFile},
        {"more names than the file holds", manyNames, CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        CTestModel model;
        try {
            LoadFromBytes(c.bytes, [&](CArchive& ar) { model.Serialize(ar); });
            ADD_FAILURE() << c.pszCase << ": loaded";
        } catch (const CProjectFileException& e) {
            EXPECT_EQ(c.nCause, e.m_cause) << c.pszCase;
            EXPECT_FALSE(e.GetReason().IsEmpty()) << c.pszCase;
        }
        EXPECT_TRUE(model.asked.empty()) << c.pszCase << ": no file was read";
        EXPECT_EQ(0, model.GetInfoCount()) << c.pszCase;
        EXPECT_EQ(0, model.GetColumnCount()) << c.pszCase;
    }
}

TEST_F(ProjectFile, LoadingTakesEachNameOnceWhateverItsCase)
{
    Bytes b;
    PutDword(b, 256);
    PutString(b, "C:\\Src\\");
    PutString(b, "C:\\Out\\");
    PutDword(b, 4);
    PutString(b, "a.org");
    PutString(b, "A.ORG");
    PutString(b, "b.org");
    PutString(b, "a.org");
    PutWord(b, 0);

    CTestModel model;
    model.AddByFileName("B.Org");
    LoadFromBytes(b, [&](CArchive& ar) { model.Serialize(ar); });
    EXPECT_EQ(2, model.GetInfoCount());
    EXPECT_STREQ("a.org", model.GetInfoList().GetTail()->GetName());
    // After loading, names are looked up in the list itself.
    EXPECT_TRUE(model.Contains("A.org"));
    EXPECT_FALSE(model.Contains("c.org"));
}

TEST_F(ProjectFile, FoldersNamesAndSortDirections)
{
    CTestModel model;
    model.SetSourceFolder("D:\\Data");
    EXPECT_STREQ("D:\\Data\\", model.GetSourceFolder());
    EXPECT_STREQ("D:\\Data\\", model.GetSourceFolder()) << "reading does not change it";
    model.AddByFileName("Line1.org");
    EXPECT_TRUE(model.Contains("LINE1.ORG"));
    EXPECT_EQ(nullptr, model.FindInfo("LINE1.ORG"));
    EXPECT_NE(nullptr, model.FindInfo("Line1.org"));

    AddColumn(model, 0, 1, 50, "Name");
    EXPECT_EQ(0, model.GetSortDirection(9));
    model.ToggleSortDirection(9);
    model.ToggleSortDirection(0);
    model.ToggleSortDirection(0);
    EXPECT_EQ(1, model.GetSortDirection(0));
    model.SetColumnWidth(0, 77);
    model.SetColumnWidth(4, 77);
    EXPECT_EQ(77, model.GetColumnWidth(0));
    EXPECT_EQ(0, model.GetColumnWidth(4));
    EXPECT_EQ(1, model.GetColumnCount());
}

TEST_F(ProjectFile, RowsForgetRecordsThatAreRemoved)
{
    CTestModel model;
    model.AddByFileName("a.org");
    CProtocolInfo* pInfo = model.FindInfo("a.org");
    auto* pItem = new CProtocolItem;
    pItem->AddRef();
    pItem->Attach(nullptr, 0, pInfo, &model.GetColumnMap());
    EXPECT_EQ(pInfo, pItem->GetSubject());

    model.RemoveAll();
    EXPECT_EQ(nullptr, pItem->GetSubject());
    pItem->Refresh();
    pItem->Release(); // must not touch the freed record
}
