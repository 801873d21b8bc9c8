// The protocol creation dialog's values, their mapping onto the generator,
// a whole creation run, and the spacing selection rows.
#include "framework/Portable.h"
#include "design/projects/ProtocolCreation.h"
#include "design/projects/SpacingChoices.h"
#include "design/ArrayCodes.h"
#include "design/VikaProtocolGenerator.h"
#include "design/VikaProtocolSkipList.h"
#include "design/tests/TestFiles.h"

#include <gtest/gtest.h>

TEST(ProtocolCreation, DefaultProfileGivesRangesFromTenDownToOne)
{
    CVikaProtocolCreation settings;
    settings.ParseIndex(CVikaProtocolCreation::kDefaultIndex);
    EXPECT_EQ(10, settings.m_aSmallest);
    EXPECT_EQ(1, settings.m_aLargest);
    EXPECT_EQ(-1, settings.m_nArrayIndex);
    EXPECT_TRUE(settings.m_bCreateOrg && settings.m_bCreateUp && settings.m_bCreateDwn);
    EXPECT_STREQ(CVikaProtocolCreation::kDefaultIndex, settings.FormatIndex());
}

TEST(ProtocolCreation, MapsTheDialogOntoTheGenerator)
{
    CVikaProtocolCreation settings;
    settings.ParseIndex("2 12 7 3 5 1 1 1 3 1 1 1");
    settings.m_strProtocolId = "P1";
    settings.m_strAddressFile = "ADR1";
    CVikaProtocolSkipList skip;
    CVikaProtocolGenerator generator;
    settings.Configure(generator, "C:\\P\\", &skip);
    EXPECT_EQ(3, generator.m_nMinSpacing);
    EXPECT_EQ(12, generator.m_nMaxSpacing);
    EXPECT_EQ(2, generator.m_nMinLevel);
    EXPECT_EQ(7, generator.m_nMaxLevel);
    EXPECT_EQ(3, generator.m_nChannels);
    EXPECT_TRUE(generator.m_bReverse);
    EXPECT_FALSE(generator.m_bPoleMerge) << "only pole-pole merges";
    EXPECT_EQ(nullptr, generator.m_pSkipList) << "an empty skip list is not used";
    EXPECT_STREQ("C:\\P\\ADR1.ADR", generator.m_strAddressPath);

    settings.m_nArrayIndex = ArrayWennerA;
    skip.Add(1, 1);
    settings.Configure(generator, "C:\\P\\", &skip);
    EXPECT_EQ(1, generator.m_nMinLevel);
    EXPECT_EQ(1, generator.m_nMaxLevel);
    EXPECT_EQ(&skip, generator.m_pSkipList);

    const struct
    {
        int nCode;
        BOOL bUsesN;
        BOOL bPattern;
        BOOL bChannels;
    } cases[] = {
        {ArrayResistance, FALSE, FALSE, FALSE}, {ArrayWennerA, FALSE, TRUE, FALSE},
        {ArrayPolePole, FALSE, TRUE, TRUE},     {ArrayDipoleDipole, TRUE, TRUE, TRUE},
        {ArrayTomography, FALSE, FALSE, FALSE}, {ArrayPotential, FALSE, TRUE, TRUE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.bUsesN, CVikaProtocolCreation::UsesN(c.nCode)) << c.nCode;
        EXPECT_EQ(c.bPattern, CVikaProtocolCreation::HasCommandPattern(c.nCode)) << c.nCode;
        EXPECT_EQ(c.bChannels, CVikaProtocolCreation::AllowsChannels(c.nCode)) << c.nCode;
    }
}

namespace {

const char* const kAddressFile = "1 21\r\n1 10 0\r\n21\r\n"
                                 "1\t1\t1-1\r\n2\t2\t1-2\r\n3\t3\t1-3\r\n4\t4\t1-4\r\n5\t5\t1-5\r\n"
                                 "6\t6\t1-6\r\n7\t7\t1-7\r\n8\t8\t1-8\r\n9\t9\t1-9\r\n10\t10\t1-10\r\n"
                                 "11\t11\t1-11\r\n12\t12\t1-12\r\n13\t13\t1-13\r\n14\t14\t1-14\r\n"
                                 "15\t15\t1-15\r\n16\t16\t1-16\r\n17\t17\t1-17\r\n18\t18\t1-18\r\n"
                                 "19\t19\t1-19\r\n20\t20\t1-20\r\n21\t21\t1-21\r\n";

CVikaProtocolCreation Wenner(const char* pszId)
{
    CVikaProtocolCreation settings;
    settings.m_strProtocolId = pszId;
    settings.m_strAddressFile = "ADR1";
    settings.m_nArrayIndex = ArrayWennerA;
    settings.m_aSmallest = 1;
    settings.m_aLargest = 3;
    return settings;
}

} // namespace

TEST(ProtocolCreation, GeneratesTheChosenSectionsAndRemovesStaleOnes)
{
    TempDir dir;
    RecordingUi ui;
    WriteFile(dir.Path("ADR1.ADR"), kAddressFile);
    WriteFile(dir.Path("P1.DWN"), "old");
    CVikaProtocolCreation settings = Wenner("P1");
    settings.m_bCreateDwn = 0;
    const ProtocolCreationResult result =
        RunProtocolCreation(settings, dir.Folder().c_str(), nullptr, nullptr, TRUE);
    EXPECT_EQ(ProtocolCreationResult::Created, result.outcome);
    EXPECT_GT(result.counts[0], 0);
    EXPECT_EQ(0, result.counts[2]);
    EXPECT_NE("", ReadFile(dir.Path("P1.ORG")));
    EXPECT_EQ("", ReadFile(dir.Path("P1.DWN"))) << "the old section of the ID is gone";

    int nAsked = 0;
    const ProtocolCreationResult cancelled = RunProtocolCreation(
        Wenner("P2"), dir.Folder().c_str(), nullptr, [&] { return ++nAsked > 1; }, TRUE);
    EXPECT_EQ(ProtocolCreationResult::Cancelled, cancelled.outcome);
    EXPECT_EQ("", ReadFile(dir.Path("P2.ORG")));

    CVikaProtocolCreation tooWide = Wenner("P3");
    tooWide.m_aSmallest = tooWide.m_aLargest = 15;
    EXPECT_EQ(ProtocolCreationResult::NothingGenerated,
              RunProtocolCreation(tooWide, dir.Folder().c_str(), nullptr, nullptr, TRUE).outcome);
    EXPECT_EQ("", ReadFile(dir.Path("P3.ORG")));

    CVikaProtocolCreation noMap = Wenner("P4");
    noMap.m_strAddressFile = "MISSING";
    EXPECT_EQ(ProtocolCreationResult::Failed,
              RunProtocolCreation(noMap, dir.Folder().c_str(), nullptr, nullptr, TRUE).outcome);
}

TEST(SpacingChoices, ListsThePairsTheGeneratorRunsAndMarksNearDuplicates)
{
    CVikaProtocolSkipList skip;
    std::vector<SpacingChoice> choices;
    SpacingRange range;
    range.maxA = 3;
    ASSERT_TRUE(ListSpacingChoices(ArrayWennerA, range, " a = %d  (PD = %.2f)", skip, choices));
    ASSERT_EQ(3u, choices.size());
    for (const SpacingChoice& choice : choices)
        EXPECT_EQ(-1, choice.strText.Find('*')) << "pairs sharing n are never duplicates";

    range = SpacingRange{1, 4, 1, 4, TRUE};
    skip.Add(2, 2);
    ASSERT_TRUE(ListSpacingChoices(ArrayDipoleDipole, range, " a = %d, n = %d  (PD = %.2f)", skip, choices));
    ASSERT_EQ(16u, choices.size());
    EXPECT_FALSE(choices[5].bChecked) << "row 5 is (2, 2)";
    choices[5].bChecked = TRUE;
    choices[0].bChecked = FALSE;
    StoreSpacingChoices(choices, skip);
    EXPECT_EQ(1, skip.GetCount());
    EXPECT_NE(nullptr, skip.Find(1, 1));

    range = SpacingRange{3, 4, 2, 3, TRUE};
    ASSERT_TRUE(ListSpacingChoices(ArrayDipoleDipole, range, " a = %d, n = %d  (PD = %.2f)", skip, choices));
    ASSERT_EQ(4u, choices.size());
    EXPECT_EQ(3, choices[0].a);
    EXPECT_EQ(2, choices[0].n) << "the rows start where the generator starts";
}
