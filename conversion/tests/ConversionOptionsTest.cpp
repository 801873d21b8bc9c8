#include "framework/Portable.h"
#include "conversion/ConversionOptions.h"
#include "framework/MemoryProfileStore.h"
#include "res/ConversionRes.h"

#include <gtest/gtest.h>

namespace {

const char kOut[] = "C:\\Out";

} // namespace

// One line per format and option set; the output folder ends every line.
TEST(ConversionCommandLine, SwitchesFollowTheOptionsAndTheFormat)
{
    struct Case {
        const char* pszCase;
        void (*set)(CConversionOptions&);
        const char* pszLine;
    } cases[] = {
        {"defaults", [](CConversionOptions&) {}, "D7IZUVI -F:a -n  C:\\Out"},
        {"every switch of format 0",
         [](CConversionOptions& o) {
             o.bOverwrite = o.bOutputAll = o.bAddComments = o.bSampleNumbers = o.bReverseSign = TRUE;
             o.nCoordinateType = 4;
             o.nRejection = 2;
             o.bChannel[1] = o.bChannel[3] = FALSE;
             o.bThresholdOn = TRUE;
             o.dThreshold = 12.34;
             o.bForceResistance = TRUE;
             o.nIpMode = 3, o.nSumFrom = 7, o.nSumTo = 3;
             o.bSampleRangeOn = TRUE, o.nSampleFrom = 500, o.nSampleTo = 20;
             o.bMarine = TRUE;
             o.bGridChange = TRUE;
             o.bUseGeometry = TRUE, o.strGeometryFile = "C:\\g.xyz";
         },
         "D7IZUVI -F:a -w -L -z0 -b -! -N -p -c:2 -c:4 -t:12.3 -x -s:3,7 -k:20,500 -m:89.00,0.00,0.00,0.00 "
         "-g:2.00,2.00,2.00 -G:C:\\g.xyz C:\\Out"},
        {"unconditional leaves out rejection, channels and threshold",
         [](CConversionOptions& o) {
             o.bUnconditional = TRUE;
             o.bChannel[0] = FALSE;
             o.bThresholdOn = TRUE;
         },
         "D7IZUVI -F:a -u  C:\\Out"},
        {"single window 10 is written as a number",
         [](CConversionOptions& o) { o.nIpMode = 2, o.nSingleWindow = 10; }, "D7IZUVI -F:a -n -i:10  C:\\Out"},
        {"options left on in a Surfer profile stay off",
         [](CConversionOptions& o) {
             o.nFormat = 1;
             o.bOutputAll = o.bAddComments = o.bSampleNumbers = o.bMarine = TRUE;
             o.nCoordinateType = 2;
         },
         "D7IZUVI -F:e -n -i:1  C:\\Out"},
        {"REX takes no IP data", [](CConversionOptions& o) { o.nFormat = 3, o.nIpMode = 3; },
         "D7IZUVI -F:x -n -R  C:\\Out"},
        {"Res2Dinv allows marine data",
         [](CConversionOptions& o) { o.nFormat = 4, o.nIpMode = 0, o.bMarine = TRUE, o.dLeftLimit = -1; },
         "D7IZUVI -F:r -n -R -m:89.00,0.00,-1.00,0.00  C:\\Out"},
        {"LAS keeps all time windows", [](CConversionOptions& o) { o.nFormat = 6, o.nIpMode = 0; },
         "D7IZUVI -F:l -n  C:\\Out"},
        {"ignored embedded geometry wins",
         [](CConversionOptions& o) { o.bIgnoreGeometry = o.bUseGeometry = TRUE, o.strGeometryFile = "g.xyz"; },
         "D7IZUVI -F:a -n -G:off C:\\Out"},
        {"a geometry path with blanks is quoted",
         [](CConversionOptions& o) { o.bUseGeometry = TRUE, o.strGeometryFile = "C:\\My Data\\g.xyz"; },
         "D7IZUVI -F:a -n -G:\"C:\\My Data\\g.xyz\" C:\\Out"},
    };
    for (const Case& c : cases) {
        CConversionOptions options;
        c.set(options);
        EXPECT_STREQ(c.pszLine, options.BuildCommandLine("", kOut)) << c.pszCase;
    }
}

TEST(ConversionCommandLine, ListFileAndFoldersWithBlanksAreQuoted)
{
    CConversionOptions options;
    EXPECT_STREQ("D7IZUVI -F:a -n  @\"C:\\Temp Files\\ZEZ1\" \"C:\\My Out\"",
                 options.BuildCommandLine("C:\\Temp Files\\ZEZ1", "C:\\My Out"));
    EXPECT_STREQ("\"C:\\a b\\\\\"", QuoteArgument("C:\\a b\\"));
}

TEST(ConversionFormats, NamesLettersAndExtensions)
{
    EXPECT_STREQ("Interpex Resix Plus (*.REX)", ConversionFormatName(3));
    EXPECT_EQ('3', ConversionFormatLetter(5));
    EXPECT_STREQ(".LAS", ConversionOutputExtension(6));
    EXPECT_EQ(' ', ConversionFormatLetter(7));
    EXPECT_STREQ("", ConversionOutputExtension(-1));
    EXPECT_FALSE(IsApplicable(2, IDC_CONV_MARINE));
    EXPECT_TRUE(IsApplicable(4, IDC_CONV_MARINE));
    EXPECT_FALSE(IsApplicable(5, IDC_CONV_ADD_COMMENTS));
    EXPECT_TRUE(IsApplicable(6, IDC_CONV_COORDINATE_TYPE));
}

TEST(ConversionOptionsState, ControlsFollowTheirSwitchesAndTheFormat)
{
    CConversionOptions o;
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_THRESHOLD));
    o.bThresholdOn = TRUE;
    EXPECT_TRUE(o.IsEnabled(IDC_CONV_THRESHOLD));
    o.bUnconditional = TRUE;
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_THRESHOLD));
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_CHANNEL3));

    o.nFormat = 3;
    o.FitIpModeToFormat();
    EXPECT_EQ(0, o.nIpMode);
    for (UINT nId : {IDC_CONV_IP_NONE, IDC_CONV_IP_ALL, IDC_CONV_IP_SINGLE, IDC_CONV_IP_SUM})
        EXPECT_FALSE(o.IsEnabled(nId)) << nId;
    o.nFormat = 1;
    o.nIpMode = 1;
    o.FitIpModeToFormat();
    EXPECT_EQ(2, o.nIpMode) << "Surfer moves all windows to a single one";
    EXPECT_TRUE(o.IsEnabled(IDC_CONV_SINGLE_WINDOW));
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_IP_ALL));
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_OUTPUT_ALL));
    o.nFormat = 0;
    EXPECT_TRUE(o.IsEnabled(IDC_CONV_OUTPUT_ALL));
    o.bUseGeometry = TRUE;
    EXPECT_TRUE(o.IsEnabled(IDC_CONV_GEOMETRY_FILE));
    o.bIgnoreGeometry = TRUE;
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_GEOMETRY_FILE));
    EXPECT_FALSE(o.IsEnabled(IDC_CONV_USE_GEOMETRY));
}

TEST(ConversionOptionsProfile, EachFormatKeepsItsOwnSection)
{
    CMemoryProfileStore profile;
    CConversionOptions o;
    o.LoadProfile(profile, true);
    EXPECT_EQ(0, o.nFormat);
    EXPECT_EQ(0, o.nIpMode) << "the profile's default";
    EXPECT_DOUBLE_EQ(2.5, o.dThreshold);
    EXPECT_EQ(kMaxSampleNumber, o.nSampleTo);
    EXPECT_TRUE(o.bTimeStamp);

    o.nFormat = 4;
    o.dThreshold = 3.26;
    o.bChannel[2] = FALSE;
    o.strGeometryFile = "C:\\geo files\\a.xyz";
    o.bUseGeometry = TRUE;
    o.nSampleFrom = 5;
    o.dGridY = 0.5;
    o.SaveProfile(profile);
    const std::string dump = profile.Dump();
    EXPECT_NE(std::string::npos, dump.find("Output Format/Format Code=#4"));
    EXPECT_NE(std::string::npos, dump.find("Res2Dinv Format (*.DAT)/Error threshold=0,3.3"));
    EXPECT_NE(std::string::npos, dump.find("Res2Dinv Format (*.DAT)/Disabled channels=1,1,0,1"));
    EXPECT_NE(std::string::npos, dump.find("Res2Dinv Format (*.DAT)/Geometry file=1,C:\\geo files\\a.xyz,0"));
    EXPECT_NE(std::string::npos, dump.find("Res2Dinv Format (*.DAT)/Options=0,0,0,0,0,1,0,0,0,1"));

    CConversionOptions back;
    back.LoadProfile(profile, true);
    EXPECT_EQ(4, back.nFormat);
    EXPECT_DOUBLE_EQ(3.3, back.dThreshold);
    EXPECT_FALSE(back.bChannel[2]);
    EXPECT_STREQ("C:\\geo files\\a.xyz", back.strGeometryFile);
    EXPECT_EQ(5, back.nSampleFrom);
    EXPECT_DOUBLE_EQ(0.5, back.dGridY);

    back.nFormat = 0;
    back.LoadProfile(profile, false);
    EXPECT_STREQ("", back.strGeometryFile) << "another format's section";
    EXPECT_TRUE(back.bChannel[2]);

    profile.WriteString("Surfer Format (*.DAT)", "IP conversion", "9,99,-4,x");
    profile.WriteInt("Output Format", "Format Code", 12);
    back.LoadProfile(profile, true);
    EXPECT_EQ(0, back.nFormat) << "an unknown format code";
    back.nFormat = 1;
    back.LoadProfile(profile, false);
    EXPECT_EQ(3, back.nIpMode);
    EXPECT_EQ(10, back.nSingleWindow);
    EXPECT_EQ(1, back.nSumFrom);
}

TEST(ConversionOptionsProfile, CancelPutsBackEveryFormatAsItWas)
{
    CMemoryProfileStore profile;
    CConversionOptions o;
    o.nFormat = 2;
    o.bOverwrite = TRUE;
    o.SaveProfile(profile);
    const std::string before = profile.Dump();

    CConversionProfileSnapshot snapshot(profile);
    o.nFormat = 5;
    o.SaveProfile(profile);   // left through the combo
    o.nFormat = 2;
    o.bOverwrite = FALSE;
    o.SaveProfile(profile);
    snapshot.Restore();
    EXPECT_EQ(before, profile.Dump());
}

TEST(ConversionOptionsChecks, OnlyEnabledValuesAreChecked)
{
    auto exists = [](const CString& strPath) { return strPath == "C:\\here.xyz"; };
    struct Case {
        const char* pszCase;
        void (*set)(CConversionOptions&);
        const char* pszMessage;   // null: passes
    } cases[] = {
        {"defaults", [](CConversionOptions&) {}, nullptr},
        {"sum windows the wrong way", [](CConversionOptions& o) { o.nIpMode = 3, o.nSumFrom = 7, o.nSumTo = 3; },
         "IP time window #1 (=7) must be smaller\nthan IP time window #2 (=3)!"},
        {"equal sum windows", [](CConversionOptions& o) { o.nIpMode = 3, o.nSumFrom = o.nSumTo = 5; }, nullptr},
        {"sum windows of another mode", [](CConversionOptions& o) { o.nSumFrom = 7, o.nSumTo = 3; }, nullptr},
        {"water limits", [](CConversionOptions& o) { o.bMarine = TRUE, o.dLeftLimit = 5, o.dRightLimit = 1; },
         "Water left limit (= 5.00 m) must be smaller\nthan water right limit (=1.00 m)!"},
        {"water limits of a format without them",
         [](CConversionOptions& o) { o.nFormat = 1, o.bMarine = TRUE, o.dLeftLimit = 5; }, nullptr},
        {"no geometry file", [](CConversionOptions& o) { o.bUseGeometry = TRUE; }, "Please specify a geometry file!"},
        {"missing geometry file", [](CConversionOptions& o) { o.bUseGeometry = TRUE, o.strGeometryFile = "C:\\x"; },
         "Specified geometry file \"C:\\x\" does not exist!"},
        {"geometry ignored", [](CConversionOptions& o) { o.bUseGeometry = o.bIgnoreGeometry = TRUE; }, nullptr},
        {"sample range", [](CConversionOptions& o) { o.bSampleRangeOn = TRUE, o.nSampleFrom = 9, o.nSampleTo = 2; },
         "Invalid sample range: [9,2]!"},
        {"sample range switched off", [](CConversionOptions& o) { o.nSampleFrom = 9, o.nSampleTo = 2; }, nullptr},
    };
    for (const Case& c : cases) {
        CConversionOptions o;
        c.set(o);
        CConversionOptions::Problem problem;
        const bool bOk = o.Validate(exists, problem);
        EXPECT_EQ(c.pszMessage == nullptr, bOk) << c.pszCase;
        if (c.pszMessage) {
            EXPECT_STREQ(c.pszMessage, problem.strMessage) << c.pszCase;
        }
    }
}

TEST(ConversionOptionsChecks, NoticeNumbersTheChangesToTheData)
{
    CConversionOptions o;
    EXPECT_STREQ("", o.ChangeNotice());
    o.bReverseSign = o.bForceResistance = TRUE;
    EXPECT_STREQ("\n1) All data will be multplied by -1.\n\n2) Data values will be converted to resistance\n"
                 "    instead of apparent resistivity.\n\nContinue?",
                 o.ChangeNotice());
}
