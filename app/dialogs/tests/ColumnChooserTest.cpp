#include "framework/Portable.h"
#include "app/dialogs/ColumnChooser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Ids 1..4, descriptions not in id order; the table ends at id 0.
const CColumnProperty kTable[] = {
    CColumnProperty(1, 0, 80, FALSE, "Name", "Protocol name"),
    CColumnProperty(2, 1, 60, FALSE, "Items", "item count"),
    CColumnProperty(3, 0, 90, FALSE, "Array", "Array type"),
    CColumnProperty(4, 0, 90, FALSE, "Geometry", "Geometry file"),
    CColumnProperty(0, 0, 0, FALSE, "", ""),
};

void Show(CColumnMap& map, UINT nPosition, UINT nId, int nWidth)
{
    CColumnProperty column(nId, 0, nWidth, FALSE, "old", "old description");
    map.SetAt(nPosition, column);
}

std::vector<UINT> Ids(const CColumnChooser& chooser, const std::vector<int>& indices)
{
    std::vector<UINT> ids;
    for (int nIndex : indices)
        ids.push_back(chooser.GetColumn(nIndex).GetColumnId());
    return ids;
}

// The map as "position:id" in position order.
std::string Layout(const CColumnMap& map)
{
    std::string text;
    for (UINT nPosition = 0; nPosition < 32; ++nPosition) {
        CColumnProperty column;
        if (map.Lookup(nPosition, column))
            text += std::to_string(nPosition) + ":" + std::to_string(column.GetColumnId()) + " ";
    }
    return text;
}

} // namespace

TEST(ColumnChooser, StartsFromTheMapInPositionOrderAndListsTheRestByDescription)
{
    CColumnMap map;
    Show(map, 0, 1, 120);
    Show(map, 3, 3, 50); // a gap an older file may hold
    Show(map, 1, 9, 50); // a column the table does not know
    CColumnChooser chooser(kTable, map);
    EXPECT_EQ((std::vector<UINT>{1, 3}), Ids(chooser, chooser.Shown()));
    EXPECT_EQ((std::vector<UINT>{4, 2}), Ids(chooser, chooser.Available())) << "alphabetical, any case";
    EXPECT_EQ(120, chooser.GetColumn(0).GetWidth()) << "shown columns take the map's settings";
    EXPECT_STREQ("old description", chooser.GetColumn(0).GetDescription());
    EXPECT_EQ(90, chooser.GetColumn(3).GetWidth()) << "the others keep the table's";
    EXPECT_FALSE(chooser.IsModified());
}

TEST(ColumnChooser, OkWithoutAMoveLeavesTheMapAlone)
{
    CColumnMap map;
    Show(map, 0, 1, 120);
    Show(map, 5, 2, 50);
    CColumnChooser chooser(kTable, map);
    chooser.Add({7});       // no such row
    chooser.Remove({0});    // the fixed column stays
    chooser.Store(map);
    EXPECT_EQ("0:1 5:2 ", Layout(map));
}

TEST(ColumnChooser, MovesRenumberTheMapWithoutGaps)
{
    CColumnMap map;
    Show(map, 0, 1, 120);
    Show(map, 4, 2, 50);
    CColumnChooser chooser(kTable, map);
    ASSERT_EQ((std::vector<UINT>{3, 4}), Ids(chooser, chooser.Available()));
    chooser.Add({1, 0, 1});
    EXPECT_EQ((std::vector<UINT>{1, 2, 3, 4}), Ids(chooser, chooser.Shown())) << "appended in row order";
    EXPECT_TRUE(chooser.Available().empty());
    EXPECT_EQ(0, chooser.Remove({1}));
    EXPECT_EQ((std::vector<UINT>{2}), Ids(chooser, chooser.Available()));
    chooser.Add({0});
    chooser.Store(map);
    EXPECT_EQ("0:1 1:3 2:4 3:2 ", Layout(map));
    CColumnProperty first;
    ASSERT_TRUE(map.Lookup(0, first));
    EXPECT_EQ(120, first.GetWidth());
}

TEST(ColumnChooser, TheFirstColumnNeverLeaves)
{
    CColumnMap map;
    Show(map, 0, 2, 50);
    Show(map, 1, 1, 50);
    CColumnChooser chooser(kTable, map);
    EXPECT_EQ(1, chooser.Remove({0, 1}));
    EXPECT_EQ((std::vector<UINT>{1}), Ids(chooser, chooser.Shown()));
    EXPECT_EQ(1, chooser.Remove({0}));
    chooser.Store(map);
    EXPECT_EQ("0:1 ", Layout(map));
}

TEST(ColumnChooser, EmptyTables)
{
    const CColumnProperty endsAtOnce[] = {CColumnProperty(0, 0, 0, FALSE, "", ""), kTable[0]};
    CColumnMap map;
    Show(map, 0, 1, 10);
    for (const CColumnProperty* pTable : {static_cast<const CColumnProperty*>(nullptr), endsAtOnce}) {
        CColumnChooser chooser(pTable, map);
        EXPECT_EQ(0, chooser.GetColumnCount());
        EXPECT_TRUE(chooser.Shown().empty());
        EXPECT_TRUE(chooser.Available().empty());
    }
}

TEST(ColumnChooser, ASecondColumnOfTheSameIdTakesNoPosition)
{
    const CColumnProperty table[] = {
        CColumnProperty(1, 0, 80, FALSE, "Name", "Name"),
        CColumnProperty(2, 0, 80, FALSE, "Size", "Size"),
        CColumnProperty(2, 0, 80, FALSE, "Size", "Size again"),
        CColumnProperty(3, 0, 80, FALSE, "Date", "Date"),
        CColumnProperty(0, 0, 0, FALSE, "", ""),
    };
    CColumnMap map;
    Show(map, 0, 1, 80);
    CColumnChooser chooser(table, map);
    chooser.Add({0, 1, 2});
    chooser.Store(map);
    EXPECT_EQ("0:1 1:3 2:2 ", Layout(map)) << "Date, Size, then Size again skipped";
}
