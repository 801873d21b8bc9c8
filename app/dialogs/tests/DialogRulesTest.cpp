#include "framework/Portable.h"
#include "app/dialogs/FileTitleRules.h"
#include "app/dialogs/FolderFiles.h"
#include "app/dialogs/PortSettingsText.h"
#include "app/dialogs/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PortSettingsText, TextsAndBackKeepingTheOldValueOnNonsense)
{
    EXPECT_STREQ("COM3:", PortText(2));
    EXPECT_STREQ("57600", BaudRateText(57600));
    const struct {
        const char* pszText;
        UINT nIndex;
    } ports[] = {
        {"COM1:", 0}, {"COM3:", 2}, {"com4:", 3}, {"COM12", 11},
        {"", 7}, {"COM", 7}, {"COM:", 7}, {"COM0:", 7}, {"LPT1:", 7}, {"COMx:", 7}, {"COM99999999999:", 7},
    };
    for (const auto& c : ports)
        EXPECT_EQ(c.nIndex, PortIndexFromText(c.pszText, 7)) << c.pszText;
    const struct {
        const char* pszText;
        UINT nRate;
    } rates[] = {
        {"9600", 9600}, {" 115200 ", 115200}, {"300", 300},
        {"", 38400}, {"0", 38400}, {"abc", 38400}, {"96 00", 38400}, {"-9600", 38400}, {"99999999999", 38400},
    };
    for (const auto& c : rates)
        EXPECT_EQ(c.nRate, BaudRateFromText(c.pszText, 38400)) << c.pszText;
}

TEST(FileTitleRules, NamesCallersCanMakePathsOf)
{
    for (const char* pszGood : {"LINE1", "a b", "x.y", "Geo-2", "CONSOLE", "COM10"})
        EXPECT_STREQ("", FileTitleProblem(pszGood)) << pszGood;
    const struct {
        const char* pszName;
        const char* pszProblem;
    } bad[] = {
        {"", "Please enter a name."},
        {"..\\x", "A name cannot contain any of the characters \\ / : * ? \" < > |."},
        {"a/b", "A name cannot contain any of the characters \\ / : * ? \" < > |."},
        {"c:x", "A name cannot contain any of the characters \\ / : * ? \" < > |."},
        {"a*", "A name cannot contain any of the characters \\ / : * ? \" < > |."},
        {"a\tb", "A name cannot contain any of the characters \\ / : * ? \" < > |."},
        {"..", "A name cannot contain \"..\"."},
        {"a..b", "A name cannot contain \"..\"."},
        {"abc.", "A name cannot end in a dot or a blank."},
        {"abc ", "A name cannot end in a dot or a blank."},
        {"con", "This name is reserved for a device: please choose another."},
        {"Com1.xyz", "This name is reserved for a device: please choose another."},
        {"NUL", "This name is reserved for a device: please choose another."},
    };
    for (const auto& c : bad)
        EXPECT_STREQ(c.pszProblem, FileTitleProblem(c.pszName)) << c.pszName;
}

TEST(FolderFiles, NamesAsFoundInAlphabeticalOrderWithoutFolders)
{
    CTempFolder folder;
    for (const char* pszName : {"b.log", "A.LOG", "c.Log", "d.txt"})
        folder.Write(pszName, "x");
    folder.MakeFolder("e.log");
    EXPECT_EQ((std::vector<CString>{"A.LOG", "b.log", "c.Log"}), ListFileNames(folder.Path() + "*.Log"));
    EXPECT_TRUE(ListFileNames(folder.Path() + "*.none").empty());
    EXPECT_TRUE(ListFileNames(folder.Path() + "missing" + OsFile::PathSeparator() + "*.Log").empty());
    EXPECT_TRUE(ListFileNames("").empty());
}
