#include "app/G7KException.h"

#include <gtest/gtest.h>

namespace {

TEST(G7KException, ReportTextComesFromTheCodeTable)
{
    struct {
        int code;
        const char* text;
    } cases[] = {
        {1001, "(Error 1001)\n\nCould not recognize response as a Geovolt GVX7000/GVX2000.\n"},
        {1002, "(Error 1002)\n\nGeovolt GVX7000/GVX2000 Invalid Command.\n"},
        {1003, "(Error 1003)\n\nCan not handle array code.\n"},
        {7, "(Error 7)\n\n*** Unknown error message ***.\n"},
        {-32768, "(Error -32768)\n\n*** Unknown error message ***.\n"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(G7KException(c.code).GetReportText(), c.text) << c.code;
}

TEST(G7KException, LookupStopsAtTheRowWithoutText)
{
    const G7KCodeText table[] = {{5, "five"}, {5, "again"}, {-32768, nullptr}, {6, "beyond"}};
    EXPECT_STREQ(G7KException::LookupMessage(table, 5), "five");
    EXPECT_STREQ(G7KException::LookupMessage(table, 6), "*** Unknown error message ***");
}

TEST(G7KException, ThrownByValueCaughtByReference)
{
    try {
        throw G7KException(1003);
    } catch (const G7KException& e) {
        EXPECT_EQ(e.GetErrorCode(), 1003);
    }
}

}  // namespace
