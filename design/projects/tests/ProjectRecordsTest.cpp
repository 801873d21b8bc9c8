// The Vika and Polyvect records read from their files, the list order, and
// the models' folders and names.
#include "framework/Portable.h"
#include "design/projects/PolyvectModel.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/VikaModel.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/tests/TestFiles.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "framework/MemoryProfileStore.h"
#include "framework/OsFile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<CVikaProtocolInfo> ReadVika(const TempDir& dir, const char* pszName)
{
    auto pInfo = std::make_unique<CVikaProtocolInfo>();
    pInfo->SetFolder(dir.Folder().c_str());
    pInfo->SetName(pszName);
    pInfo->ReadHeader();
    return pInfo;
}

} // namespace

TEST(VikaProtocolInfo, ReadsCountsChannelsAndNamesFromTheThreeSections)
{
    TempDir dir;
    WriteFile(dir.Path("P1.ORG"), "5\t//c\r\nADDR1\tGEO1.XYZ\r\n3\t5\t1\t2\t7\t8\r\n\r\n3 5 1 2\r\n");
    WriteFile(dir.Path("P1.UP"), "5\r\nADDR1\r\n3\t5\t1\t2\r\n");
    WriteFile(dir.Path("P1.DWN"), "5\r\nADDR1\r\n");
    auto pInfo = ReadVika(dir, "P1");
    EXPECT_EQ(5, pInfo->GetArrayCode());
    EXPECT_STREQ("ADDR1", pInfo->GetAddressFile());
    EXPECT_STREQ("GEO1", pInfo->GetGeometryFile());
    EXPECT_EQ(2u, pInfo->GetOrgCount());
    EXPECT_EQ(1u, pInfo->GetUpCount());
    EXPECT_EQ(0u, pInfo->GetDwnCount());
    EXPECT_EQ(2u, pInfo->GetChannels());
    EXPECT_EQ(2, pInfo->GetItemCount());
    EXPECT_EQ(3, pInfo->GetStatusIcon()) << "an empty .DWN";
    EXPECT_TRUE(pInfo->FileExists(VikaDwn));
    EXPECT_FALSE(pInfo->FileExists(VikaAdr)) << "the address file is not in the folder";
    EXPECT_EQ(CString(dir.Folder().c_str()) + "GEO1.XYZ", pInfo->GetFilePath(VikaXyz));
    EXPECT_STREQ("", pInfo->GetFilePath(5));

    // A section that lost its commands shows on the next read.
    WriteFile(dir.Path("P1.ORG"), "5\r\nADDR1\r\n");
    pInfo->ReadHeader();
    EXPECT_EQ(0u, pInfo->GetOrgCount());
    EXPECT_EQ(1u, pInfo->GetChannels());
    EXPECT_EQ(2, pInfo->GetStatusIcon());

    OsFile::Error error;
    OsFile::Remove(dir.Path("P1.ORG").c_str(), error);
    pInfo->ReadHeader();
    EXPECT_EQ(1, pInfo->GetStatusIcon());
}

TEST(VikaProtocolInfo, ArchiveKeepsTheAddressFileChannelsAndCounts)
{
    TempDir dir;
    WriteFile(dir.Path("P1.ORG"), "5\r\nADDR1\tGEO1.XYZ\r\n3\t5\t1\t2\t7\t8\r\n");
    WriteFile(dir.Path("P1.UP"), "5\r\nADDR1\r\n3\t5\t1\t2\r\n3\t5\t1\t2\r\n");
    auto pInfo = ReadVika(dir, "P1");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pInfo->Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetData(), file.GetData() + file.GetLength());
    CMemFile in(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&in, CArchive::load);
    CVikaProtocolInfo loaded;
    loaded.Serialize(ar);
    EXPECT_STREQ("P1", loaded.GetName());
    EXPECT_STREQ("GEO1", loaded.GetGeometryFile());
    EXPECT_STREQ("ADDR1", loaded.GetAddressFile());
    EXPECT_EQ(2u, loaded.GetChannels());
    EXPECT_EQ(1u, loaded.GetOrgCount());
    EXPECT_EQ(2u, loaded.GetUpCount());
    EXPECT_EQ(0u, loaded.GetDwnCount());
}

TEST(VikaProtocolInfo, ExtensionsOfTheNamesLineMatchInAnyCase)
{
    TempDir dir;
    WriteFile(dir.Path("P.ORG"), "1\r\naddr1.adr\tgeo1.xyz\r\n1 2 3 4\r\n");
    auto pInfo = ReadVika(dir, "P");
    EXPECT_STREQ("ADDR1", pInfo->GetAddressFile());
    EXPECT_STREQ("GEO1", pInfo->GetGeometryFile());
}

TEST(VikaProtocolInfo, CountsChannelsOfACommandLine)
{
    const struct
    {
        const char* pszLine;
        int nCode;
        int nChannels;
    } cases[] = {
        {"3\t5\t1\t2\t7\t8", 5, 2},
        {"3 0 1 2", 4, 2},
        {"3 5 1 2 x 7 8", 5, 1}, // a letter stops the count
        {"3 5 0 1 2 7", 5, 1},   // a zero digit does not
        {"", 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nChannels, CVikaProtocolInfo::CountChannelsInLine(c.pszLine, c.nCode)) << c.pszLine;
}

TEST(VikaModel, StartsFromTheProfileFoldersAndSortsByTheChosenColumn)
{
    CMemoryProfileStore store;
    CSilentHostServices host(&store);
    CHostServicesScope scope(host);
    TempDir dir;
    CVikaModel model;
    EXPECT_STREQ("C:\\GVX7000\\Protocol\\", model.GetSourceFolder());
    EXPECT_STREQ("C:\\GVX7000\\Embedded\\", model.GetTargetFolder());
    EXPECT_EQ(8, model.GetColumnCount());

    WriteFile(dir.Path("A.DWN"), "1\r\nX\r\n1 2 3 4\r\n1 2 3 4\r\n");
    WriteFile(dir.Path("b.DWN"), "1\r\nX\r\n1 2 3 4\r\n");
    EXPECT_TRUE(model.AddByFileName("A"));
    EXPECT_TRUE(model.AddByFileName("b"));
    EXPECT_FALSE(model.AddByFileName("a")) << "names differ only in case";
    EXPECT_EQ(2, model.GetInfoCount());
    std::unique_ptr<CProtocolInfo> pA(model.CreateInfo(dir.Folder().c_str(), "A"));
    std::unique_ptr<CProtocolInfo> pB(model.CreateInfo(dir.Folder().c_str(), "b"));
    auto& a = dynamic_cast<CVikaProtocolInfo&>(*pA);
    auto& b = dynamic_cast<CVikaProtocolInfo&>(*pB);
    model.SetSortColumn(3);
    EXPECT_EQ(1, model.CompareInfos(a, b)) << "more DWN commands after fewer";
    model.ToggleSortDirection(3);
    EXPECT_EQ(-1, model.CompareInfos(a, b));
    model.SetSortColumn(0);
    EXPECT_EQ(-1, model.CompareInfos(a, b)) << "names without regard to case";
    model.SetSortColumn(9);
    EXPECT_EQ(0, model.CompareInfos(a, b));

    CVikaModel::DeleteProtocolFiles(dir.Folder().c_str(), "A");
    EXPECT_EQ(std::string(), ReadFile(dir.Path("A.DWN")));
}

TEST(PolyvectProjects, ReadTheHeaderAndSortCountsAsNumbers)
{
    TempDir dir;
    CPolyvectModel model;
    std::string strTen = "5\r\nGEO1.XYZ\r\n";
    std::string strNine = strTen;
    for (int i = 0; i < 10; ++i)
        strTen += "1\t2\t3\t4\r\n";
    for (int i = 0; i < 9; ++i)
        strNine += "Switch Cable 1\r\n";
    WriteFile(dir.Path("NINE.PV"), strNine);
    WriteFile(dir.Path("TEN.PV"), strTen);
    WriteFile(dir.Path("TWO.PV"), "1\r\n\r\n");
    ASSERT_TRUE(model.AddByFileName("TEN.PV"));
    EXPECT_FALSE(model.AddByFileName("ten.pv"));
    const CString strFolder = dir.Folder().c_str();
    std::unique_ptr<CProtocolInfo> pNine(model.CreateInfo(strFolder, "NINE"));
    std::unique_ptr<CProtocolInfo> pTen(model.CreateInfo(strFolder, "TEN.PV"));
    std::unique_ptr<CProtocolInfo> pTwo(model.CreateInfo(strFolder, "TWO"));
    auto& nine = dynamic_cast<CPolyvectProtocolInfo&>(*pNine);
    auto& ten = dynamic_cast<CPolyvectProtocolInfo&>(*pTen);
    auto& two = dynamic_cast<CPolyvectProtocolInfo&>(*pTwo);
    EXPECT_EQ(9, nine.GetItemCount());
    EXPECT_STREQ("GEO1.XYZ", nine.GetGeometryFile());
    EXPECT_EQ(5, nine.GetArrayCode());
    EXPECT_EQ(0, nine.GetStatusIcon());
    EXPECT_EQ(2, two.GetStatusIcon()) << "no commands";
    EXPECT_EQ(CString(dir.Folder().c_str()) + "TEN.PV", ten.GetFilePath(0));
    EXPECT_EQ(CString(dir.Folder().c_str()) + "NINE.PV", nine.GetFilePath(0));
    EXPECT_EQ(CString(dir.Folder().c_str()) + "GEO1.XYZ", nine.GetFilePath(1));
    model.SetSortColumn(3);
    EXPECT_EQ(-1, model.CompareInfos(nine, ten));

    CPolyvectProtocolInfo missing;
    missing.SetFolder(dir.Folder().c_str());
    missing.SetName("NONE");
    missing.ReadHeader();
    EXPECT_EQ(1, missing.GetStatusIcon());
}
