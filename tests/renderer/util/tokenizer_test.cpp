#include "util/char_class.h"
#include "util/tokenizer.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
std::vector<std::string> tokens(const char* text) {
    Tokenizer t(1);
    t.setText(text);
    std::vector<std::string> out;
    while (const char* token = t.next(isIdentifierChar))
        out.push_back(token);
    return out;
}
} // namespace

TEST(Tokenizer, CharacterClasses) {
    for (char c : {'\t', '\n', '\r', ' '})
        EXPECT_TRUE(isSpace(c));
    for (char c : {'\v', '\f', 'a', '\0'})
        EXPECT_FALSE(isSpace(c));
    EXPECT_TRUE(isDigit('0') && isDigit('9') && !isDigit('a') && !isDigit('/'));
    EXPECT_TRUE(isIdentifierChar('_') && isIdentifierChar('Z') && !isIdentifierChar('1') &&
                !isIdentifierChar('-'));
    EXPECT_TRUE(isNewline('\r') && isNewline('\n') && !isNewline(' '));
}

TEST(Tokenizer, SplitsNumbersIdentifiersAndPunctuation) {
    struct Case {
        const char* text;
        std::vector<std::string> tokens;
    } cases[] = {
        {"  setpos -1.5,2", {"setpos", "-", "1.5", ",", "2"}},
        {"1.2.3 x2 _a9b", {"1.2.3", "x2", "_a9b"}},
        {"12abc", {"12", "abc"}},
        {"", {}},
        {" \t\r\n ", {}},
        {"a+b", {"a", "+", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tokens(c.text), c.tokens) << c.text;
}

TEST(Tokenizer, NextLineReturnsTheRestOfTheLine) {
    Tokenizer t(2);
    t.setText("demorec file.dem");
    EXPECT_STREQ(t.next(isIdentifierChar), "demorec");
    EXPECT_STREQ(t.nextLine(), " file.dem");
    EXPECT_EQ(t.nextLine(), nullptr);
    EXPECT_EQ(t.next(isIdentifierChar), nullptr);

    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\n\rc\n\nd", {"a\r\n", "b\n\r", "c\n", "\n", "d"}},
        {"x\r\r", {"x\r", "\r"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        t.setText(c.text);
        std::vector<std::string> lines;
        while (const char* line = t.nextLine())
            lines.push_back(line);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(Tokenizer, ResultBuffersRotate) {
    Tokenizer t(3);
    t.setText("a b c d");
    const char* a = t.next(isIdentifierChar);
    const char* b = t.next(isIdentifierChar);
    const char* c = t.next(isIdentifierChar);
    EXPECT_STREQ(a, "a");
    EXPECT_STREQ(b, "b");
    EXPECT_STREQ(c, "c");
    const char* d = t.next(isIdentifierChar);
    EXPECT_EQ(d, a); // the fourth result reuses the first buffer
    EXPECT_STREQ(d, "d");

    // A longer result grows its buffer; a shorter one after it reuses it.
    Tokenizer one(1);
    one.setText("abcdefghijklmnopqrstuvwxyz q");
    std::string longer = one.next(isIdentifierChar);
    EXPECT_EQ(longer, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(one.next(isIdentifierChar), "q");
}

TEST(Tokenizer, LoadFileKeepsBytesUnchanged) {
    std::string path = scratchPath("tokenizer.txt");
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("setpos 1 2 3\r\nline two", f);
    fclose(f);

    Tokenizer t(1);
    ASSERT_TRUE(t.loadFile(path.c_str()));
    EXPECT_STREQ(t.next(isIdentifierChar), "setpos");
    EXPECT_STREQ(t.nextLine(), " 1 2 3\r\n");
    EXPECT_STREQ(t.nextLine(), "line two");
    EXPECT_FALSE(t.loadFile(scratchPath("missing.txt").c_str()));

    // A file larger than the first read chunk.
    f = fopen(path.c_str(), "wb");
    std::string big(10000, 'x');
    fputs(big.c_str(), f);
    fclose(f);
    ASSERT_TRUE(t.loadFile(path.c_str()));
    EXPECT_EQ(std::string(t.nextLine()), big);
}
