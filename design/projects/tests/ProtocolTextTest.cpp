// The Vika and Polyvect protocol editors' load and save on fixtures.
#include "framework/Portable.h"
#include "design/projects/PolyvectProtocolText.h"
#include "design/projects/VikaProtocolText.h"
#include "design/tests/TestFiles.h"

#include <gtest/gtest.h>

TEST(VikaProtocolText, KeepsHeaderNamesAndCommentsThroughASave)
{
    TempDir dir;
    const std::string strFile = "3\r\n"
                                "ADR1\tGEO1.XYZ\tsite A\r\n"
                                "  1 2  3 4 //first\r\n"
                                "1\t7\t3\t5\t2\t6\r\n"
                                "4,0,5,0\t// pole\r\n"
                                "\r\n"
                                "12 7 8 9x\r\n";
    WriteFile(dir.Path("P.UP"), strFile);
    CVikaProtocolText text;
    ASSERT_TRUE(text.Load(dir.Path("P.UP").c_str()));
    EXPECT_EQ(3, text.m_nArrayType);
    EXPECT_STREQ("ADR1", text.m_strAddress);
    EXPECT_STREQ("GEO1", text.m_strGeometry);
    ASSERT_EQ(4u, text.m_rows.size());
    EXPECT_STREQ("   1:\t1\t2\t3\t4\t", text.m_rows[0]);
    EXPECT_STREQ("   2:\t1\t7\t3\t5\t2\t6", text.m_rows[1]) << "tabs separate values, as the generator writes them";
    EXPECT_STREQ("   3:\t4,0,5,0 ", text.m_rows[2]) << "after the first comma tabs are blanks";
    EXPECT_STREQ("// pole", text.m_comments[5]);
    EXPECT_STREQ("   5:\t12\t7\t8\t9x", text.m_rows[3]) << "no comment begins at the last character";
    EXPECT_EQ(0u, text.m_comments.count(7));

    const std::vector<CString> lines = text.FormatLines();
    ASSERT_EQ(6u, lines.size());
    EXPECT_STREQ("3\t", lines[0]);
    EXPECT_STREQ("ADR1\tGEO1.XYZ\tsite A", lines[1]);
    EXPECT_STREQ("1\t2\t3\t4\t//first", lines[2]) << "the tab ending the command separates the comment";
    EXPECT_STREQ("1\t7\t3\t5\t2\t6", lines[3]);
    EXPECT_STREQ("4,0,5,0 // pole", lines[4]);
    EXPECT_STREQ("12\t7\t8\t9x", lines[5]) << "comments stay with line numbers";
}

// What the editor wrote, it reads and writes back byte for byte.
TEST(VikaProtocolText, ASecondSaveChangesNothing)
{
    TempDir dir;
    WriteFile(dir.Path("P.ORG"), "5\tnote\r\nADR1 GEO1.XYZ site\r\n1\t2\t4\t3\r\n12 7 8 9xy\r\n"
                                 "  1 2  3 4 //first\r\n1,2,3,4\t\t// c\r\n\r\n2 3 5 4\r\n");
    const std::vector<CString> none;
    CVikaProtocolText first;
    ASSERT_TRUE(first.Load(dir.Path("P.ORG").c_str()));
    ASSERT_TRUE(first.Save(dir.Path("P.ORG").c_str(), none));
    const std::string strSaved = ReadFile(dir.Path("P.ORG"));
    EXPECT_EQ("5\tnote\r\nADR1\tGEO1.XYZ\tsite\r\n1\t2\t4\t3\r\n12\t7\t8\t9\txy\r\n1\t2\t3\t4\t//first\r\n"
              "1,2,3,4  // c\r\n2\t3\t5\t4\r\n",
              strSaved);
    CVikaProtocolText second;
    ASSERT_TRUE(second.Load(dir.Path("P.ORG").c_str()));
    ASSERT_TRUE(second.Save(dir.Path("P.ORG").c_str(), none));
    EXPECT_EQ(strSaved, ReadFile(dir.Path("P.ORG")));
}

TEST(VikaProtocolText, NamesLineSeparatedByBlanksKeepsItsGeometry)
{
    TempDir dir;
    WriteFile(dir.Path("P.ORG"), "1\r\nADR1 GEO1.XYZ\r\n");
    CVikaProtocolText text;
    ASSERT_TRUE(text.Load(dir.Path("P.ORG").c_str()));
    EXPECT_STREQ("ADR1", text.m_strAddress);
    EXPECT_STREQ("GEO1", text.m_strGeometry);

    WriteFile(dir.Path("Q.ORG"), "1\r\nADR1\t//Address File\r\n");
    ASSERT_TRUE(text.Load(dir.Path("Q.ORG").c_str()));
    EXPECT_STREQ("<none>", text.m_strGeometry);
    EXPECT_STREQ("ADR1\t//Address File", text.FormatLines()[1]);
}

TEST(VikaProtocolText, SavingASectionRewritesTheOtherHeadersOnly)
{
    TempDir dir;
    WriteFile(dir.Path("P.UP"), "5\r\nADR1\r\n1 2 3 4\r\n");
    WriteFile(dir.Path("P.ORG"), "5\told\r\nADR1\tGEO1.XYZ\tnote\r\n9 8 7 6\r\n");
    CVikaProtocolText text;
    ASSERT_TRUE(text.Load(dir.Path("P.UP").c_str()));
    text.m_nArrayType = 6;
    text.m_strAddress = "ADR2";
    text.m_strGeometry = "GEO2";
    const std::vector<CString> others = {dir.Path("P.ORG").c_str(), dir.Path("P.UP").c_str(),
                                         dir.Path("P.DWN").c_str()};
    ASSERT_TRUE(text.Save(dir.Path("P.UP").c_str(), others));
    EXPECT_EQ("6\t\r\nADR2\tGEO2.XYZ\t\r\n1\t2\t3\t4\r\n", ReadFile(dir.Path("P.UP")));
    EXPECT_EQ("6\told\r\nADR2\tGEO2.XYZ\tnote\r\n9 8 7 6\r\n", ReadFile(dir.Path("P.ORG")));
    EXPECT_EQ("", ReadFile(dir.Path("P.DWN"))) << "a missing section is not created";

    EXPECT_FALSE(text.Save((dir.Folder() + "no such folder/P.UP").c_str(), others));
    EXPECT_EQ("6\told\r\nADR2\tGEO2.XYZ\tnote\r\n9 8 7 6\r\n", ReadFile(dir.Path("P.ORG")));
}

TEST(PolyvectProtocolText, ShowsAndSavesCommandsWithSingleTabs)
{
    TempDir dir;
    WriteFile(dir.Path("A.PV"), "5\r\nGEO1.XYZ\r\n  1  2 3\t\t4\r\n\r\nSwitch\tCable 1\r\n");
    std::vector<CString> rows;
    ASSERT_TRUE(CPolyvectProtocolText::LoadRows(dir.Path("A.PV").c_str(), rows));
    ASSERT_EQ(2u, rows.size());
    EXPECT_STREQ("   3:\t1\t2\t3\t4", rows[0]);
    EXPECT_STREQ("   5:\tSwitch Cable 1", rows[1]);
    rows.push_back("   6:\t   ");
    ASSERT_TRUE(CPolyvectProtocolText::Save(dir.Path("A.PV").c_str(), 5, "GEO1.XYZ", rows));
    EXPECT_EQ("5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\nSwitch Cable 1\r\n", ReadFile(dir.Path("A.PV")));

    WriteFile(dir.Path("B.PV"), "-1\r\n\r\n");
    ASSERT_TRUE(CPolyvectProtocolText::LoadRows(dir.Path("B.PV").c_str(), rows));
    EXPECT_TRUE(rows.empty());
    ASSERT_TRUE(CPolyvectProtocolText::Save(dir.Path("B.PV").c_str(), -1, "", rows));
    EXPECT_EQ("-1\r\n\r\n", ReadFile(dir.Path("B.PV")));
}
