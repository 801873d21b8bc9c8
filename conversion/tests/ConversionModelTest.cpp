#include "framework/Portable.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionItem.h"
#include "conversion/ConversionModel.h"
#include "conversion/tests/TestFolder.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

class CRecordingHost : public CSilentHostServices
{
public:
    CRecordingHost() : CSilentHostServices(&profile) {}
    void ReportError(LPCTSTR pszText, HostIcon icon) override
    {
        messages.push_back(pszText);
        icons.push_back(icon);
    }
    CMemoryProfileStore profile;
    std::vector<std::string> messages;
    std::vector<HostIcon> icons;
};

// A row that keeps its cells.
class CCellItem : public CConversionItem
{
public:
    std::map<int, std::string> cells;

protected:
    void SetCellText(int nColumn, const CString& strText) override { cells[nColumn] = static_cast<LPCTSTR>(strText); }
};

class ConversionModelTest : public testing::Test
{
protected:
    CRecordingHost host;
    CHostServicesScope scope{host};
    TestFolder folder;

    std::string DataFile(const std::string& name, const G7kHeader& header, const char* pszId = "1234567 0")
    {
        return folder.Write(name, MakeG7kFile(header, pszId, 1, 2, 16));
    }

    static void Fill(CStringList& list, std::initializer_list<std::string> paths)
    {
        for (const std::string& path : paths)
            list.AddTail(path.c_str());
    }
};

} // namespace

TEST_F(ConversionModelTest, ConstructionTakesTheProfileFoldersAndTheDefaultLayout)
{
    host.profile.WriteString("Folders", "ImportData", "D:\\Import");
    CConversionModel model;
    EXPECT_STREQ("D:\\Import\\", model.GetSourceFolder());
    EXPECT_STREQ("C:\\GVX7000\\Data\\", model.GetTargetFolder());
    ASSERT_EQ(9, model.GetColumnCount());
    const UINT expected[] = {1, 2, 3, 4, 5, 6, 9, 11, 13};
    for (UINT i = 0; i < 9; ++i) {
        CColumnProperty prop;
        ASSERT_TRUE(model.GetColumnMap().Lookup(i, prop));
        EXPECT_EQ(expected[i], prop.GetColumnId());
    }
}

TEST(ConversionModelNames, FoldersAndTitles)
{
    CConversionModel model;
    struct Case { const char* pszPath; const char* pszFolder; const char* pszTitle; } cases[] = {
        {"C:\\Data\\R1.2.G7K", "C:\\Data\\", "R1"},
        {"C:\\Data.old\\LINE", "C:\\Data.old\\", "LINE"},
        {"LINE.G7K", "", "LINE"},   // no folder: empty, not the whole path
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.pszFolder, model.ExtractFolder(c.pszPath)) << c.pszPath;
        EXPECT_STREQ(c.pszTitle, model.ExtractTitle(c.pszPath)) << c.pszPath;
    }
}

TEST_F(ConversionModelTest, AddFilesRejectsTitlesAlreadyThereWhateverTheirFolderAndCase)
{
    CConversionModel model;
    const std::string first = DataFile("X.G7K", SampleHeader(14));
    TestFolder other;
    const std::string second = other.Write("x.g7k", MakeG7kFile(SampleHeader(14), "1", 0, 0, 0));
    CStringList one;
    Fill(one, {first, ""});
    model.AddFiles(&one);
    CStringList two;
    Fill(two, {second});
    model.AddFiles(&two);
    ASSERT_EQ(2u, host.messages.size());
    EXPECT_EQ("1 files added.\n0 files rejected.\n0 files replaced.", host.messages[0]);
    EXPECT_EQ("0 files added.\n1 files rejected.\n0 files replaced.", host.messages[1]);
    EXPECT_EQ(HostIcon::Information, host.icons[0]);
    EXPECT_TRUE(model.IsModified());

    model.SetModifiedFlag(FALSE);
    CStringList empty;
    model.AddFiles(&empty);
    model.AddFiles(nullptr);
    EXPECT_EQ(2u, host.messages.size()) << "nothing to add shows nothing";

    const std::string dotted = DataFile("R1.2.G7K", SampleHeader(14));
    const std::string plain = DataFile("R1.G7K", SampleHeader(14));
    CStringList three;
    Fill(three, {dotted, plain});
    model.AddFiles(&three);
    EXPECT_EQ("1 files added.\n1 files rejected.\n0 files replaced.", host.messages.back());
    EXPECT_EQ(2, model.GetInfoCount());
}

TEST_F(ConversionModelTest, RecordsReadTheirHeaderOnceAndShowItInTheirCells)
{
    CConversionModel model;
    G7kHeader header = SampleHeader(14);
    header.fRefX = 1.5f;
    header.fAzimuth = 90.0f;
    ASSERT_TRUE(model.AddByFileName(DataFile("LINE1.G7K", header).c_str()));
    folder.WriteText("LINE1.LOG", "log");
    auto* pInfo = static_cast<CConversionInfo*>(model.GetInfoList().GetHead());
    EXPECT_EQ(0, pInfo->GetStatusIcon());
    // The facts of a file of some gigabytes: channels x records beyond 32 bits.
    G7kHeader wide = ReadG7kHeaderFile(pInfo->GetPath());
    wide.dwFileSize = 4000000000u;
    wide.dwRecords = 3000000000u;
    pInfo->ApplyHeader(wide);
    EXPECT_STREQ("LINE1", pInfo->GetName());
    EXPECT_STREQ((folder.Path() + "LINE1.G7K").c_str(), pInfo->GetPath());

    struct Case { UINT nId; const char* pszText; } cases[] = {
        {COLUMN_FILENAME, "LINE1"},
        {COLUMN_DATA_TYPE, "Res."},
        {COLUMN_ELECTRODE_SYSTEM, "Vika Imaging System"},
        {COLUMN_PATH, folder.Path().c_str()},
        {COLUMN_TIME, "01 Jan 2000  00:00:00"},
        {COLUMN_CHANNELS, "4"},
        {COLUMN_DATA_COUNT, "12000000000"},
        {COLUMN_LOG_FILE, "Yes"},
        {COLUMN_VERSION, "14"},
        {COLUMN_INSTRUMENT, "GVX2000"},
        {COLUMN_SERIAL, "1234567"},
        {COLUMN_REFERENCE, "     1.50,     0.00,     0.00"},
        {COLUMN_ORIENTATION, "  90.00,   0.00 (deg)"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszText, ConversionCellText(*pInfo, c.nId)) << "column " << c.nId;

    CCellItem item;
    item.Attach(nullptr, 0, pInfo, &model.GetColumnMap());
    item.Refresh();
    EXPECT_EQ("LINE1", item.cells[0]);
    EXPECT_EQ("12000000000", item.cells[6]);
}

TEST_F(ConversionModelTest, UnreadableFilesAreAddedWithTheirStatus)
{
    CConversionModel model;
    ASSERT_TRUE(model.AddByFileName((folder.Path() + "GONE.G7K").c_str()));
    ASSERT_TRUE(model.AddByFileName(folder.Write("EMPTY.G7K", {}).c_str()));
    const std::vector<BYTE> cut = MakeG7kFile(SampleHeader(5), nullptr, 0, 0, 0);
    ASSERT_TRUE(model.AddByFileName(folder.Write("CUT.G7K", {cut.begin(), cut.begin() + 100}).c_str()));
    std::vector<int> icons;
    for (POSITION pos = model.GetInfoList().GetHeadPosition(); pos;)
        icons.push_back(model.GetInfoList().GetNext(pos)->GetStatusIcon());
    EXPECT_EQ((std::vector<int>{1, 2, 2}), icons);
    auto* pEmpty = static_cast<CConversionInfo*>(model.GetInfoList().GetAt(model.GetInfoList().FindIndex(1)));
    EXPECT_STREQ("", ConversionCellText(*pEmpty, COLUMN_SERIAL));
    EXPECT_STREQ("", ConversionCellText(*pEmpty, COLUMN_INSTRUMENT));
    EXPECT_STREQ("", ConversionCellText(*pEmpty, COLUMN_TIME)) << "no time read";

    // One report names them all; adding names the unreadable ones it added.
    const std::string strPath = folder.Path();
    EXPECT_EQ("3 data file(s) cannot be read; the list marks them:\n\n" + strPath
                  + "GONE.G7K: missing or cannot be opened\n" + strPath + "EMPTY.G7K: empty or not a data file\n"
                  + strPath + "CUT.G7K: empty or not a data file\n",
              std::string(model.UnreadableFilesReport()));
    std::vector<BYTE> garbage(600, 0x47);
    CStringList paths;
    Fill(paths, {DataFile("GOOD.G7K", SampleHeader(14)), folder.Write("TEXT.G7K", garbage)});
    model.AddFiles(&paths);
    EXPECT_EQ("2 files added.\n0 files rejected.\n0 files replaced.\n\n1 data file(s) cannot be read; the list "
              "marks them:\n\n" + strPath + "TEXT.G7K: empty or not a data file\n",
              host.messages.back());
    CConversionModel fine;
    fine.AddByFileName(DataFile("FINE.G7K", SampleHeader(16)).c_str());
    EXPECT_STREQ("", fine.UnreadableFilesReport());
}

// Rows sort by what their cells show, in the column's direction.
TEST_F(ConversionModelTest, SortingFollowsTheShownValues)
{
    CConversionModel model;
    G7kHeader a = SampleHeader(14), b = SampleHeader(14), c = SampleHeader(14);
    a.nChannels = 1, a.dwRecords = 300;   // 300 data
    b.nChannels = 4, b.dwRecords = 100;   // 400 data, fewer records
    c.nChannels = 2, c.dwRecords = 50;    // 100 data
    model.AddByFileName(DataFile("A.G7K", a, "4000000000 1").c_str());   // serial above 2^31
    model.AddByFileName(DataFile("B.G7K", b, "5 1").c_str());
    model.AddByFileName(DataFile("C.G7K", c, "").c_str());                // no serial, no instrument

    std::vector<std::unique_ptr<CConversionItem>> items;
    for (POSITION pos = model.GetInfoList().GetHeadPosition(); pos;) {
        items.push_back(std::make_unique<CConversionItem>());
        items.back()->Attach(nullptr, 0, model.GetInfoList().GetNext(pos), &model.GetColumnMap());
    }
    auto order = [&](UINT nColumnId, int nDirection) {
        model.GetColumnMap().RemoveAll();
        CColumnProperty prop = *FindConversionColumn(nColumnId);
        prop.SetSortDirection(nDirection);
        model.GetColumnMap().SetAt(0, prop);
        model.SetSortColumn(0);
        std::vector<CConversionItem*> rows;
        for (auto& item : items)
            rows.push_back(item.get());
        std::stable_sort(rows.begin(), rows.end(), [&](CConversionItem* x, CConversionItem* y) {
            return CConversionModel::CompareItems(reinterpret_cast<LPARAM>(x), reinterpret_cast<LPARAM>(y),
                                                  reinterpret_cast<LPARAM>(static_cast<CProtocolModel*>(&model)))
                   < 0;
        });
        std::string titles;
        for (CConversionItem* row : rows)
            titles += static_cast<LPCTSTR>(row->GetInfo()->GetTitle());
        return titles;
    };
    EXPECT_EQ("CAB", order(COLUMN_DATA_COUNT, 1));
    EXPECT_EQ("BAC", order(COLUMN_DATA_COUNT, -1));
    EXPECT_EQ("CBA", order(COLUMN_SERIAL, 1));
    EXPECT_EQ("CAB", order(COLUMN_INSTRUMENT, 1)) << "an empty cell sorts first";
    EXPECT_EQ("ACB", order(COLUMN_CHANNELS, 1));
    EXPECT_EQ("CBA", order(COLUMN_FILENAME, -1));
    model.SetSortColumn(5);
    EXPECT_EQ(0, CConversionModel::CompareItems(reinterpret_cast<LPARAM>(items[0].get()),
                                                reinterpret_cast<LPARAM>(items[1].get()),
                                                reinterpret_cast<LPARAM>(static_cast<CProtocolModel*>(&model))))
        << "no column at the sort position";
}

TEST_F(ConversionModelTest, RemovedRecordsLiveWhileRowsObserveThem)
{
    CConversionModel model;
    model.AddByFileName(DataFile("A.G7K", SampleHeader(14)).c_str());
    model.AddByFileName(DataFile("B.G7K", SampleHeader(14)).c_str());
    auto pItem = std::make_unique<CConversionItem>();
    pItem->Attach(nullptr, 0, model.GetInfoList().GetHead(), &model.GetColumnMap());

    EXPECT_FALSE(model.RemoveByName("C:\\x\\a.G7K")) << "titles match with their case";
    EXPECT_TRUE(model.RemoveByName("C:\\x\\A.G7K"));
    EXPECT_EQ(1, model.GetInfoCount());
    EXPECT_FALSE(model.Contains("A.G7K"));
    EXPECT_EQ(1, model.GetRemovedCount());
    ASSERT_NE(nullptr, pItem->GetInfo()) << "the row's record is still there";
    EXPECT_STREQ("A", pItem->GetInfo()->GetTitle());

    pItem.reset();
    model.PurgeRemoved();
    EXPECT_EQ(0, model.GetRemovedCount());
    EXPECT_TRUE(model.RemoveByName("B"));
    EXPECT_EQ(0, model.GetRemovedCount()) << "a record nothing observes goes at once";
    EXPECT_TRUE(model.AddByFileName(DataFile("b.G7K", SampleHeader(14)).c_str()));
}

// The project file keeps each record's path; names without a folder (as the
// generic project kept them) are files of the source folder, and a layout
// of columns this family does not know becomes the default one.
TEST_F(ConversionModelTest, ProjectFilesKeepPathsAndOldGenericProjectsOpen)
{
    const std::string path = DataFile("LINE7.G7K", SampleHeader(16));
    CMemFile file;
    {
        CConversionModel model;
        model.SetSourceFolder("C:\\Elsewhere");
        model.AddByFileName(path.c_str());
        CArchive ar(&file, CArchive::store);
        model.Serialize(ar);
    }
    file.SeekToBegin();
    {
        CConversionModel model;
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
        ASSERT_EQ(1, model.GetInfoCount());
        auto* pInfo = static_cast<CConversionInfo*>(model.GetInfoList().GetHead());
        EXPECT_STREQ(path.c_str(), pInfo->GetPath());
        EXPECT_EQ(0, pInfo->GetStatusIcon());
        EXPECT_FALSE(model.IsModified());
    }

    CMemFile generic;
    {
        CProtocolModel old;
        old.SetSourceFolder(folder.Path().c_str());
        old.AddInfo(new CProtocolInfo);
        old.GetInfoList().GetHead()->SetName("LINE7.G7K");
        CColumnProperty name(0, 0, 0, FALSE, "Name", "File name");
        old.GetColumnMap().SetAt(0, name);
        CArchive ar(&generic, CArchive::store);
        old.Serialize(ar);
    }
    generic.SeekToBegin();
    CConversionModel model;
    CArchive ar(&generic, CArchive::load);
    model.Serialize(ar);
    ASSERT_EQ(1, model.GetInfoCount());
    auto* pInfo = static_cast<CConversionInfo*>(model.GetInfoList().GetHead());
    EXPECT_EQ(0, pInfo->GetStatusIcon()) << static_cast<LPCTSTR>(pInfo->GetPath());
    EXPECT_EQ(9, model.GetColumnCount());
}

TEST(ConversionInfoLog, TheLogOfADataFileIsCutAtItsFileNamesFirstDot)
{
    EXPECT_STREQ("C:\\Data.2024\\LINE1.LOG", CConversionInfo::LogFileOf("C:\\Data.2024\\LINE1.1.G7K"));
    EXPECT_STREQ("LINE1.LOG", CConversionInfo::LogFileOf("LINE1"));
}

// A data file and its log take the new title in their folder; a title the
// project holds, or a file already there, leaves everything as it was.
TEST_F(ConversionModelTest, RenamingADataFile)
{
    CConversionModel model;
    model.AddByFileName(DataFile("a.g7k", SampleHeader(14)).c_str());
    model.AddByFileName(DataFile("OTHER.G7K", SampleHeader(14)).c_str());
    folder.WriteText("a.LOG", "log");
    folder.WriteText("TAKEN.G7K", "not in the project");
    CConversionInfo* pInfo = model.FindByTitle("a");
    ASSERT_NE(nullptr, pInfo);

    EXPECT_EQ(CConversionModel::RENAME_TITLE_TAKEN, model.RenameDataFile(pInfo, "other"));
    EXPECT_EQ(CConversionModel::RENAME_FAILED, model.RenameDataFile(pInfo, "TAKEN"));
    EXPECT_EQ(CConversionModel::RENAME_FAILED, model.RenameDataFile(pInfo, "b.x"));
    EXPECT_EQ((std::vector<std::string>{"OTHER.G7K", "TAKEN.G7K", "a.LOG", "a.g7k"}), folder.Names());

    EXPECT_EQ(CConversionModel::RENAME_OK, model.RenameDataFile(pInfo, "b"));
    EXPECT_EQ((std::vector<std::string>{"OTHER.G7K", "TAKEN.G7K", "b.G7K", "b.LOG"}), folder.Names());
    EXPECT_EQ(2, model.GetInfoCount());
    ASSERT_NE(nullptr, model.FindByTitle("b"));
    EXPECT_EQ(0, model.FindByTitle("b")->GetStatusIcon());
    EXPECT_FALSE(model.Contains("a"));
}
