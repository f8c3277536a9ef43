#include "saver/command/settings_choice.h"

#include <gtest/gtest.h>

using namespace Morvex;

TEST(SettingsChoice, EachKindMarksOneChoiceAndEnablesItsControl) {
    struct Case {
        int kind;
        bool none, cd, file, repeat, fileButton;
    } table[] = {
        {0, true, false, false, false, false},   {1, false, true, false, true, false},
        {2, false, false, true, false, true},    {3, false, false, false, false, false},
        {-1, false, false, false, false, false},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.kind);
        const MusicChoice choice = ChoiceFor(c.kind);
        EXPECT_EQ(choice.marked[0], c.none);
        EXPECT_EQ(choice.marked[1], c.cd);
        EXPECT_EQ(choice.marked[2], c.file);
        EXPECT_EQ(choice.repeatEnabled, c.repeat);
        EXPECT_EQ(choice.fileButtonEnabled, c.fileButton);
    }
}

TEST(SettingsChoice, RepeatListAndTrackTexts) {
    const std::vector<std::string> entries = RepeatTrackEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries[30], "30");
    EXPECT_EQ(FormatTrack(7), "7");

    struct Case {
        const char* text;
        int track;
    } table[] = {{"7", 7},   {"abc", 0}, {"", 0},       {"99999", 0}, {" 12 ", 12}, {"2.5", 2},
                 {"3.5", 4}, {"-1", -1}, {"1e3", 1000}, {"1e400", 0}, {"7x", 0}};
    for (const Case& c : table)
        EXPECT_EQ(RepeatTrackFromText(c.text), c.track) << c.text;
}

TEST(SettingsChoice, GradientIsDarkAtTheEdgesAndBrightInTheMiddle) {
    EXPECT_EQ(GradientShade(0, 200), 0);
    EXPECT_EQ(GradientShade(100, 200), 220);
    EXPECT_LT(GradientShade(200, 200), 5);
    EXPECT_EQ(GradientShade(5, 0), 0);
}

TEST(SettingsChoice, DialogSitsCentredAcrossAndAThirdDown) {
    int left = 0, top = 0;
    DialogPlace(15360, 11520, 7440, 3645, left, top);
    EXPECT_EQ(left, 3960);
    EXPECT_EQ(top, 2625);
}
