#include "util/message_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> logged(const char* text) {
    freeMessageLog();
    logMessage(text);
    std::vector<std::string> lines;
    for (uint32_t i = 0; i < messageLog.getCount(); i++)
        lines.push_back(messageLog[i]);
    freeMessageLog();
    return lines;
}
} // namespace

TEST(MessageLog, SplitsAtLineBreaks) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\n\r\nb", {"a", "b"}},
        {"\nx", {"", "x"}},
        {"", {}},
        {"one line", {"one line"}},
        {"Couldn't load \"x.bmp\"\n", {"Couldn't load \"x.bmp\""}},
        {"a\n\n\nb\rc", {"a", "b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(logged(c.text), c.lines) << c.text;
}

TEST(MessageLog, FreeEmptiesTheLog) {
    logMessage("first");
    logMessage("second");
    EXPECT_GE(messageLog.getCount(), 2u);
    freeMessageLog();
    EXPECT_EQ(messageLog.getCount(), 0u);
}
