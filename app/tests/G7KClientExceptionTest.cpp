#include "app/G7KClientException.h"

#include <gtest/gtest.h>

namespace {

TEST(G7KClientException, ShowsTheReplyWithoutItsClosingCharacter)
{
    struct {
        const char* reply;
        const char* text;
    } cases[] = {
        {"ERR 12!", "GVX7000/GVX2000 Error!\n\nCode: ERR 12"},
        {"", "GVX7000/GVX2000 Error!\n\nCode:"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(G7KClientException(c.reply).GetReportText(), c.text) << c.reply;
}

TEST(G7KClientException, ReportsThroughTheBaseWithCodeMinusOne)
{
    try {
        throw G7KClientException("ERR 3!");
    } catch (const G7KException& e) {
        EXPECT_EQ(e.GetErrorCode(), -1);
        EXPECT_STREQ(e.GetReportText(), "GVX7000/GVX2000 Error!\n\nCode: ERR 3");
    }
}

}  // namespace
