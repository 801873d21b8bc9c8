// The rows of the item edit dialogs, generated address maps and the
// coordinate editor's rules.
#include "framework/Portable.h"
#include "design/projects/AddressMapCreation.h"
#include "design/projects/CoordinateEditing.h"
#include "design/projects/ItemRows.h"
#include "design/GeometryFile.h"

#include <gtest/gtest.h>

TEST(ItemRows, AddressRowsReadAndWriteBack)
{
    AdrItemRow row;
    ASSERT_TRUE(row.Parse("12\t12\t1-12\tspare-part"));
    EXPECT_EQ(12, row.nElectrode);
    EXPECT_EQ(12, row.nAddress);
    EXPECT_EQ(1, row.nCable);
    EXPECT_EQ(12, row.nTakeout);
    EXPECT_STREQ("spare-part", row.strComment);
    EXPECT_STREQ("12\t12\t1-12\tspare-part", row.Format());
    ASSERT_TRUE(row.Parse("3\t4\t1-5"));
    EXPECT_STREQ("", row.strComment);
    EXPECT_STREQ("3\t4\t1-5", row.Format());
    EXPECT_FALSE(row.Parse(""));
}

TEST(ItemRows, VikaCommandRowsKeepTheirNumberOfValues)
{
    VikaCommandRow row;
    ASSERT_TRUE(row.Parse("   7:\t1\t2\t3\t4"));
    EXPECT_EQ(7, row.nLine);
    EXPECT_EQ(4, row.nValues);
    row.values[5] = 9; // a field of channel 2 changed in the dialog
    EXPECT_STREQ("   7:\t1\t2\t3\t4", row.Format());
    ASSERT_TRUE(row.Parse("   2:\t4,0,5,0 "));
    EXPECT_EQ(4, row.nValues) << "commas separate values as the section files allow";
    EXPECT_STREQ("   2:\t4\t0\t5\t0", row.Format());
    EXPECT_EQ(4, VikaCommandRow::ValuesForChannels(1));
    EXPECT_EQ(10, VikaCommandRow::ValuesForChannels(4));

    std::vector<int> values(10, 0);
    ParseMembers("1,2,3", values);
    EXPECT_STREQ("1,2,3,0,0,0,0,0,0,0", FormatMembers(values));
}

TEST(ItemRows, PolyvectRowsAreMeasurementsOrCableCommands)
{
    const struct
    {
        const char* pszRow;
        int nCommand;
        const char* pszBack;
    } cases[] = {
        {"   3:\tSwitch Cable 2", PolyvectCommandRow::SwitchCable2, "   3:\tSwitch Cable 2"},
        {"   4:\tReset Cable 1", PolyvectCommandRow::ResetCable1, "   4:\tReset Cable 1"},
        {"   5:\t1\t2\t3\t4", PolyvectCommandRow::Measure, "   5:\t1\t2\t3\t4"},
    };
    for (const auto& c : cases) {
        PolyvectCommandRow row;
        ASSERT_TRUE(row.Parse(c.pszRow));
        EXPECT_EQ(c.nCommand, row.nCommand) << c.pszRow;
        EXPECT_STREQ(c.pszBack, row.Format());
    }
}

namespace {

AddressHeader Layout(UINT cables, UINT takeouts, UINT factor, UINT electrodes)
{
    AddressHeader layout;
    layout.m_nCables = cables;
    layout.m_nTakeouts = takeouts;
    layout.m_nFactor = factor;
    layout.m_nElectrodes = electrodes;
    return layout;
}

} // namespace

TEST(AddressMapCreation, OverlappingCablesShareTheirEndTakeouts)
{
    AddressMapChoice choice;
    choice.activeCables = {true, true, true, true};
    const std::vector<CString> rows = GenerateAddressEntries(Layout(4, 21, 1, 41), choice);
    ASSERT_EQ(41u, rows.size());
    EXPECT_STREQ("1\t1\t1-1", rows[0]);
    EXPECT_STREQ("21\t21\t1-21", rows[20]);
    EXPECT_STREQ("22\t22\t2-2", rows[21]);
    EXPECT_STREQ("41\t41\t2-21", rows[40]);
    EXPECT_TRUE(DuplicateRelayAddresses(rows).empty());

    choice.bCableJoints = true;
    const std::vector<CString> joined = GenerateAddressEntries(Layout(4, 21, 1, 41), choice);
    EXPECT_STREQ("1\t22\t1-1", joined[0]);
    EXPECT_STREQ("22\t1\t2-2", joined[21]);
    EXPECT_STREQ("23\t3\t2-3", joined[22]);
    EXPECT_FALSE(DuplicateRelayAddresses(joined).empty()) << "cable 1 and cable 2 reach the same relays";

    AddressMapChoice skipFirst;
    skipFirst.activeCables = {false, true};
    skipFirst.bOverlap = false;
    const std::vector<CString> second = GenerateAddressEntries(Layout(2, 3, 1, 10), skipFirst);
    ASSERT_EQ(3u, second.size());
    EXPECT_STREQ("1\t1\t2-1", second[0]);
}

TEST(AddressMapCreation, HintsNameTheConnectorPinsOfARelay)
{
    EXPECT_STREQ("Relay address 22 maps to pin(s):\r\n\tConnector #1 - Pin Y\r\n\tConnector #3 - Pin M",
                 RelayPinHint(22));
    EXPECT_STREQ("Relay address 1 maps to pin(s):\r\n\tConnector #1 - Pin A", RelayPinHint(1));
    EXPECT_STREQ("Relay address 300 maps to pin(s):", RelayPinHint(300));
    EXPECT_STREQ("This address entry is used as a place holder and is not connected.", RelayPinHint(0));
}

TEST(CoordinateEditing, ProposesTheNextPointOnTheLine)
{
    EXPECT_STREQ("   3:\t   10.00\t    0.00\t    2.00",
                 ProposeCoordinate({"   1:\t0\t0\t0", "   2:\t5\t0\t1", ""}).Format());
    EXPECT_STREQ("   2:\t    0.00\t    0.00\t    0.00", ProposeCoordinate({"   1:\t5\t0\t1", ""}).Format());

    CGeometryFile file;
    file.AddSet("LINE1");
    EXPECT_STREQ("", SetNameProblem(file, "LINE2"));
    EXPECT_STREQ("", SetNameProblem(file, "LINE1", "LINE1"));
    EXPECT_NE("", SetNameProblem(file, "LINE1", "OTHER")) << "an existing set is not replaced";
    EXPECT_NE("", SetNameProblem(file, "east")) << "reads back as a coordinate line";
    EXPECT_NE("", SetNameProblem(file, " "));
}

TEST(CoordinateEditing, StoresTheListsRowsRenamesAndRemovesSets)
{
    CGeometryFile file;
    file.AddSet("LINE1");
    StoreCoordinateRows(file, "LINE1", {"   1:\t0\t0\t0", "   3:\t3\t0\t0.126", "", "   7:\t9\t9\t9"});
    EXPECT_EQ(4, file.GetSet("LINE1")->GetSize()) << "the zero point and three rows";
    EXPECT_EQ(3.0, file.GetSet("LINE1")->GetAt(2).x);
    RenameSet(file, "LINE1", "CABLE A");
    EXPECT_EQ(nullptr, file.GetSet("LINE1"));
    ASSERT_NE(nullptr, file.GetSet("CABLE A"));
    EXPECT_EQ(4, file.GetSet("CABLE A")->GetSize());
    EXPECT_STREQ("CABLE A", file.m_names[0]);
    const std::vector<CString> rows = CoordinateRows(file, "CABLE A");
    ASSERT_EQ(3u, rows.size());
    EXPECT_STREQ("   2:\t    3.00\t    0.00\t    0.13", rows[1]);
    RemoveSet(file, "CABLE A");
    EXPECT_TRUE(file.m_names.empty());
}
