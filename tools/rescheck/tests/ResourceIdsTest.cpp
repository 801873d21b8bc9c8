#include "tools/rescheck/ResourceIds.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string strText;
    for (const std::string& strLine : lines)
        strText += strLine + "\n";
    return strText;
}

} // namespace

TEST(ResourceIds, DuplicatesOfEveryKind)
{
    struct Case {
        const char* pszScript;
        const char* pszDuplicates;
    } cases[] = {
        {"247 ICON \"a.ico\"\n248 ICON \"a.ico\"\n", ""},
        {"247 ICON \"a.ico\"\n247 ICON \"b.ico\"\n", "<script>:2: ICON 247 is defined again (first at <script>:1)\n"},
        {"247 ICON \"a.ico\"\n247 BITMAP \"b.bmp\"\n", ""},  // another type
        {"# 7 \"res/Conversion.rc\"\n247 ICON \"a.ico\"\n# 9 \"res/Design.rc\"\n0xF7 ICON \"b.ico\"\n",
         "res/Design.rc:9: ICON 247 is defined again (first at res/Conversion.rc:7)\n"},
        {"(20500 + 1) BITMAP \"a\"\n20501 BITMAP \"b\"\n", "<script>:2: BITMAP 20501 is defined again (first at <script>:1)\n"},
        {"FOLDERS BITMAP \"a\"\nfolders BITMAP \"b\"\n", "<script>:2: BITMAP FOLDERS is defined again (first at <script>:1)\n"},
        {"1 MENU BEGIN MENUITEM \"x\", 5 END\n1 MENUEX BEGIN END\n",
         "<script>:2: MENU 1 is defined again (first at <script>:1)\n"},
        {"9 DIALOGEX 0,0,1,1 CAPTION \"c\" FONT 8, \"f\" BEGIN LTEXT \"t\", 9, 0,0,1,1 END\n9 DIALOG 0,0,1,1 BEGIN END\n",
         "<script>:2: DIALOG 9 is defined again (first at <script>:1)\n"},
        {"STRINGTABLE\nBEGIN\n 100 \"a\"\n 101, \"b\"\n 0x64 \"c\"\nEND\n",
         "<script>:5: STRING 100 is defined again (first at <script>:3)\n"},
        {"LANGUAGE 9, 1\n5 ICON \"a\"\nLANGUAGE 7, 1\n5 ICON \"b\"\n", ""},  // another language
        {"1 TOOLBAR 16, 15 BEGIN BUTTON 5 SEPARATOR END\n2 ACCELERATORS { \"N\", 5, VIRTKEY }\n"
         "1 TOOLBAR 16, 15 BEGIN END\n",
         "<script>:3: TOOLBAR 1 is defined again (first at <script>:1)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszScript);
        EXPECT_EQ(c.pszDuplicates, Joined(FindDuplicateResources(c.pszScript)));
    }
}

// The program's own script, as the build preprocesses it from res/.
TEST(ResourceIds, TheProgramDefinesEveryResourceOnce)
{
    std::ifstream in(G7K_RESOURCE_SCRIPT);
    ASSERT_TRUE(in) << G7K_RESOURCE_SCRIPT;
    const std::string strScript((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<ResourceDefinition> resources = ListResources(strScript);
    // Read through to the end: the toolbars' fragment comes last.
    ASSERT_GT(resources.size(), 100u);
    EXPECT_NE(std::string::npos, resources.back().strWhere.find("ToolBars.rc")) << resources.back().strWhere;
    EXPECT_EQ("", Joined(FindDuplicateResources(strScript)));
}
