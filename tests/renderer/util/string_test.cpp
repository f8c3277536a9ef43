#include "util/text_string.h"

#include <gtest/gtest.h>

#include <string>

TEST(String, ConstructionCapacities) {
    String empty;
    EXPECT_EQ(empty.getCapacity(), 32u);
    EXPECT_EQ(empty.getLength(), 0u);
    EXPECT_STREQ(empty.getText(), "");

    String text("hello");
    EXPECT_EQ(text.getLength(), 5u);
    EXPECT_EQ(text.getCapacity(), 6u);

    String sized(100u);
    EXPECT_EQ(sized.getCapacity(), 100u);
    EXPECT_STREQ(sized.getText(), "");

    String copy(text);
    EXPECT_EQ(copy.getCapacity(), 6u);
    EXPECT_STREQ(copy.getText(), "hello");
}

TEST(String, CapacityDoublesWhenTheTextWouldReachIt) {
    struct Case {
        uint32_t length, capacity;
    } cases[] = {{30, 32}, {31, 64}, {63, 64}, {64, 128}, {200, 256}};
    for (const Case& c : cases) {
        String s;
        s.assign(std::string(c.length, 'a').c_str());
        EXPECT_EQ(s.getCapacity(), c.capacity) << c.length;
        EXPECT_EQ(s.getLength(), c.length);
    }
    String grown("ab"); // capacity 3: appending one reaches it
    grown.append("c");
    EXPECT_EQ(grown.getCapacity(), 6u);
    EXPECT_STREQ(grown.getText(), "abc");
}

TEST(String, AppendStopsAtNOrNul) {
    String s("x");
    s.append("abcdef", 3);
    EXPECT_STREQ(s.getText(), "xabc");
    s.append("yz", 10);
    EXPECT_STREQ(s.getText(), "xabcyz");
    s.append(s.getText()); // its own text, across a reallocation
    EXPECT_STREQ(s.getText(), "xabcyzxabcyz");
    s.assign(s.getText() + 6);
    EXPECT_STREQ(s.getText(), "xabcyz");
    EXPECT_EQ(s.getLength(), 6u);
}

TEST(String, ConcatenationSizesTheResult) {
    String left("left");
    String sum = left + "right";
    EXPECT_STREQ(sum.getText(), "leftright");
    EXPECT_EQ(sum.getCapacity(), 20u); // 4 + 5 + 1 reaches 10, doubled once
    String copy = sum;
    EXPECT_EQ(copy.getCapacity(), sum.getCapacity());
}

TEST(String, AppendFormatConversions) {
    struct Case {
        const char* expected;
        String text;
    };
    auto format = [](const char* f, auto... args) {
        String s("");
        appendFormat(s, f, args...);
        return std::string(s.getText());
    };
    EXPECT_EQ(format("%g, %g, %g", 1.0, 2.5, -3.0), "1, 2.5, -3");
    EXPECT_EQ(format("100%"), "100");
    EXPECT_EQ(format("%d|%x|%X|%f|%s|%%", -42, 255u, 255u, 1.5, "str"), "-42|ff|FF|1.500000|str|%");
    EXPECT_EQ(format("a%qb"), "ab");  // unknown pair dropped
    EXPECT_EQ(format("%5d", 7), "d"); // widths are not supported: '%' and the digit go
    EXPECT_EQ(format("plain"), "plain");

    String s("pre:");
    appendFormat(s, "%d", 1);
    EXPECT_STREQ(s.getText(), "pre:1");
}

TEST(String, HugeFloatConversionIsBoundedAndComplete) {
    String s("");
    appendFormat(s, "%f", 1e300);
    EXPECT_EQ(s.getLength(), 301u + 7u); // 301 digits, '.', six decimals
    EXPECT_EQ(s.getText()[0], '1');
    EXPECT_EQ(std::string(s.getText()).substr(s.getLength() - 7), ".000000");
}
