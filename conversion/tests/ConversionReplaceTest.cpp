#include "framework/Portable.h"
#include "conversion/ConversionReplace.h"

#include <gtest/gtest.h>

TEST(ConversionReplace, NameAsGivenPathsInUpperCaseAndPercentSignsKept)
{
    const CConversionReplaceTexts patterns = {"File '%s' already exists.", "Replace:\t%s", "With:\t\t%s"};
    const CConversionReplaceTexts texts =
        FillReplaceTexts(patterns, "r1.g7k", "c:\\Old\\r1.g7k", "d:\\new 100%s\\R1.g7k");
    EXPECT_STREQ("File 'r1.g7k' already exists.", texts.strExists);
    EXPECT_STREQ("Replace:\tC:\\OLD\\R1.G7K", texts.strReplace);
    EXPECT_STREQ("With:\t\tD:\\NEW 100%S\\R1.G7K", texts.strWith);

    EXPECT_STREQ("no place", FillReplacePattern("no place", "x"));
    EXPECT_STREQ("a %d %s", FillReplacePattern("%s %d %s", "a")) << "only the first is filled";
    EXPECT_STREQ("'' exists", FillReplacePattern("'%s' exists", ""));
}
