#include "framework/Portable.h"
#include "app/project/ColumnProperty.h"
#include "app/project/tests/ArchiveBytes.h"

#include <gtest/gtest.h>

TEST(ColumnProperty, DescriptionFallsBackToHeading)
{
    CColumnProperty same(3, 0, 80, TRUE, "Data Type", "");
    EXPECT_STREQ("Data Type", same.GetDescription());
    CColumnProperty both(3, 1, 80, TRUE, "Data Type", "Type of data");
    EXPECT_STREQ("Data Type", both.GetHeading());
    EXPECT_STREQ("Type of data", both.GetDescription());
    EXPECT_EQ(1, both.GetSortDirection());
    EXPECT_EQ(0u, both.GetLoadedVersion());
}

TEST(ColumnProperty, EqualityComparesTheColumnIdOnly)
{
    EXPECT_TRUE(CColumnProperty(7, 0, 10, FALSE, "A", "") == CColumnProperty(7, 1, 99, FALSE, "B", ""));
    EXPECT_FALSE(CColumnProperty(7, 0, 10, FALSE, "A", "") == CColumnProperty(8, 0, 10, FALSE, "A", ""));
}

TEST(ColumnProperty, RoundTripKeepsDirectionAndAssignmentKeepsTargetSchema)
{
    CColumnProperty stored(5, 1, 120, FALSE, "Name", "File name");
    stored.ToggleSortDirection();
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { stored.Serialize(ar); });

    Bytes expected;
    PutDword(expected, 256);
    PutDword(expected, 5);
    PutDword(expected, 1);
    PutDword(expected, 120);
    PutDword(expected, 0xFFFFFFFFul);
    PutString(expected, "Name");
    PutString(expected, "File name");
    EXPECT_EQ(expected, bytes);

    CColumnProperty loaded(100);
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(256u, loaded.GetLoadedVersion());
    EXPECT_EQ(-1, loaded.GetSortDirection());
    EXPECT_EQ(120, loaded.GetWidth());

    CColumnProperty fresh;
    fresh = loaded;
    EXPECT_EQ(256u, fresh.GetSchema());
    EXPECT_EQ(0u, fresh.GetLoadedVersion());
    EXPECT_STREQ("File name", fresh.GetDescription());
    fresh.ToggleSortDirection();
    EXPECT_EQ(1, fresh.GetSortDirection());
}
