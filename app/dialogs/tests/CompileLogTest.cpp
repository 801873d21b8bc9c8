#include "framework/Portable.h"
#include "app/dialogs/CompileLog.h"
#include "app/dialogs/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<CString> Lines(std::initializer_list<const char*> lines)
{
    return std::vector<CString>(lines.begin(), lines.end());
}

const std::vector<CString> kGoodLog = Lines({
    "",
    "",
    "ORDA Protocol Compiler 2.1. Copyright (c) Norvik",
    "Build: 217",
    "",
    "",
    "Input file:   zez1234.tmp",
    "Output path:  c:\\gvx7000\\data\\.",
    "LINE1.ORG: 120 commands",
    "",
    "",
    "LINE2.ORG: warning: 2 channels processed twice",
    "240 lines processed: 0 errors, warnings: 1",
    "  Database written  ",
    "this line is never read",
});

} // namespace

TEST(CompileLog, HeaderBodyAndSummaryOfAWholeLog)
{
    CCompileLog log;
    log.Parse(kGoodLog);
    EXPECT_STREQ("ORDA Protocol Compiler 2.1", log.m_strCompiler);
    EXPECT_STREQ("217", log.m_strBuild);
    EXPECT_STREQ("ZEZ1234.TMP", log.m_strInputFile);
    EXPECT_STREQ("C:\\GVX7000\\DATA\\.", log.m_strOutputPath);
    EXPECT_STREQ("240", log.m_strLinesProcessed);
    EXPECT_STREQ("0 errors", log.m_strErrors);
    EXPECT_STREQ("1", log.m_strWarnings);
    // Empty lines are neither shown nor counted; "processed" alone is no summary.
    EXPECT_STREQ("   1:   LINE1.ORG: 120 commands\r\n"
                 "   2:   LINE2.ORG: warning: 2 channels processed twice\r\n",
                 log.m_strBody);
    EXPECT_STREQ("Database written - Log file: C:\\P\\LINE1.Log", log.Caption("C:\\P\\LINE1.Log"));
    EXPECT_STREQ("c:\\gvx7000\\data\\", log.DatabaseFolder()) << "looked up as the log wrote it";
}

TEST(CompileLog, LinesThatDoNotMatchLeaveTheirFieldsEmpty)
{
    const struct {
        const char* pszCase;
        std::vector<CString> lines;
        const char* pszCompiler;
        const char* pszBuild;
        const char* pszInput;
        const char* pszLines;
        const char* pszErrors;
        const char* pszWarnings;
        const char* pszBody;
        const char* pszCaption;
    } cases[] = {
        {"empty file", {}, "", "", "", "", "", "", "", "ERROR!"},
        {"fewer than 8 lines", Lines({"", "", "X. Copyright", "Build: 3", "", ""}), "X", "3", "", "", "", "", "",
         "ERROR!"},
        {"marker and colon at the start", Lines({"", "", ". Copyright", ":9", "", "", ":in", ":out"}), "", "", "", "",
         "", "", "", "ERROR!"},
        {"no summary: every body line shown", Lines({"", "", "", "", "", "", "", "", "a", "", "b"}), "", "", "", "",
         "", "", "   1:   a\r\n   2:   b\r\n", "ERROR!"},
        {"summary is the last line", Lines({"", "", "", "", "", "", "", "", "7 lines processed: 2 errors, w: 5"}), "",
         "", "", "7", "2 errors", "5", "", "ERROR!"},
        {"blank result line", Lines({"", "", "", "", "", "", "", "", "lines processed", "   "}), "", "", "", "", "", "",
         "", "ERROR!"},
        {"comma before the colon", Lines({"", "", "", "", "", "", "", "", " 4 lines processed, none: 0", "ok"}), "",
         "", "", "4", "", "0", "", "ok - Log file: L"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        CCompileLog log;
        log.Parse(c.lines);
        EXPECT_STREQ(c.pszCompiler, log.m_strCompiler);
        EXPECT_STREQ(c.pszBuild, log.m_strBuild);
        EXPECT_STREQ(c.pszInput, log.m_strInputFile);
        EXPECT_STREQ(c.pszLines, log.m_strLinesProcessed);
        EXPECT_STREQ(c.pszErrors, log.m_strErrors);
        EXPECT_STREQ(c.pszWarnings, log.m_strWarnings);
        EXPECT_STREQ(c.pszBody, log.m_strBody);
        EXPECT_STREQ(c.pszCaption, log.Caption("L"));
    }
}

TEST(CompileLog, BodyNumbersAreRightAlignedInFourPlaces)
{
    EXPECT_STREQ("   7:   x\r\n", CCompileLog::FormatBodyLine(7, "x"));
    EXPECT_STREQ("12345:   x\r\n", CCompileLog::FormatBodyLine(12345, "x"));
    EXPECT_STREQ("1.5 kilobytes", CCompileLog::FormatSize(1536));
    EXPECT_STREQ("0.0 kilobytes", CCompileLog::FormatSize(0));
}

TEST(CompileLog, DatabaseIsFoundWhateverTheCaseOfItsName)
{
    CTempFolder folder;
    folder.Write("protocol.bin", std::string(1536, 'x'));
    folder.MakeFolder("POLYVECT.BIN");
    CCompileLog log;
    std::vector<CString> lines = Lines({"", "", "", "", "", "", ""});
    lines.push_back("Output path: " + folder.Path() + ".");
    log.Parse(lines);
    EXPECT_STREQ("1.5 kilobytes", log.DatabaseSizeText("PROTOCOL.BIN"));
    EXPECT_STREQ("N/A", log.DatabaseSizeText("Polyvect.BIN")) << "a folder is no database";
    EXPECT_STREQ("N/A", log.DatabaseSizeText("*.BIN"));
    EXPECT_STREQ("N/A", CCompileLog().DatabaseSizeText("PROTOCOL.BIN")) << "no output path";
}

TEST(CompileLog, ReadsAFileWithEitherLineEnd)
{
    CTempFolder folder;
    std::string text;
    for (const CString& strLine : kGoodLog)
        text += std::string(strLine) + "\r\n";
    CCompileLog log;
    ASSERT_TRUE(log.Read(folder.Write("A.Log", text)));
    EXPECT_STREQ("Database written", log.m_strResult);
    EXPECT_STREQ("1", log.m_strWarnings);
    EXPECT_FALSE(log.Read(folder.Path() + "missing.Log"));
}
