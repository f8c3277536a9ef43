#include "saver/number_text.h"

#include <gtest/gtest.h>

using namespace Morvex_B;

TEST(IniNumber, ReadsTheIntegerPartOfA16BitNumber) {
    struct Case {
        const char* text;
        bool reads;
        int value;
    } cases[] = {
        {"5", true, 5},      {" 2", true, 2},        {"1.7", true, 1},         {"-1.5", true, -2},
        {"  7  ", true, 7},  {"32767", true, 32767}, {"-32768", true, -32768}, {"32767.9", true, 32767},
        {"1e2", true, 100},  {".5", true, 0},        {"abc", false, 0},        {"", false, 0},
        {"12abc", false, 0}, {"32768", false, 0},    {"-32769", false, 0},     {"99999", false, 0},
        {"0x10", false, 0},  {"inf", false, 0},      {"nan", false, 0},        {"1e999", false, 0},
        {"-", false, 0},     {"1e", false, 0},       {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        int16_t value = 0;
        EXPECT_EQ(ParseIniNumber(c.text, value), c.reads) << '"' << c.text << '"';
        if (c.reads) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(IniNumber, FailedReadingLeavesTheValue) {
    int16_t value = 9;
    EXPECT_FALSE(ParseIniNumber("abc", value));
    EXPECT_EQ(value, 9);
}

TEST(IniNumber, WritesALeadingBlankForValuesOfZeroAndAbove) {
    EXPECT_EQ(FormatIniNumber(2), " 2");
    EXPECT_EQ(FormatIniNumber(0), " 0");
    EXPECT_EQ(FormatIniNumber(-1), "-1");
}
