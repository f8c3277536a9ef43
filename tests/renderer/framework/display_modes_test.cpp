#include "framework/display_modes.h"
#include "framework/display_platform.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Offers a fixed table of modes and records which ones were set.
class TablePlatform : public DisplayPlatform {
public:
    TablePlatform(std::vector<DisplayMode> table, std::vector<int>* changes = nullptr, bool accept = true)
        : table(std::move(table)), changes(changes), accept(accept) {}
    bool enumerate(int index, DisplayMode& mode) override {
        if (index < 0 || (size_t)index >= table.size())
            return false;
        mode = table[(size_t)index];
        mode.modeIndex = -99; // the list must set it itself
        return true;
    }
    bool change(int modeIndex) override {
        if (changes)
            changes->push_back(modeIndex);
        return accept;
    }
    bool restore() override { return accept; }

    std::vector<DisplayMode> table;
    std::vector<int>* changes;
    bool accept;
};

DisplayMode mode(int w, int h, int bits, int refresh) {
    return DisplayMode{w, h, bits, refresh, 0};
}

std::vector<DisplayMode> listed(const DisplayModes& list) {
    return std::vector<DisplayMode>(list.modes.items, list.modes.items + list.modes.getCount());
}

std::string describe(const std::vector<DisplayMode>& modes) {
    std::string text;
    for (const DisplayMode& m : modes)
        text += std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
                std::to_string(m.bitsPerPixel) + "@" + std::to_string(m.refreshRate) + "#" +
                std::to_string(m.modeIndex) + " ";
    return text;
}

} // namespace

TEST(DisplayModes, SortsByAreaKeepingEnumerationOrderOfEqualAreas) {
    DisplayModes list(
        new TablePlatform({mode(1024, 768, 32, 60), mode(640, 480, 32, 60), mode(800, 600, 16, 60),
                           mode(768, 1024, 32, 75), mode(640, 480, 8, 60), mode(1024, 768, 16, 60)}));
    EXPECT_EQ(list.platformModeCount, 6);
    EXPECT_EQ(describe(listed(list)), "640x480x32@60#1 640x480x8@60#4 800x600x16@60#2 1024x768x32@60#0 "
                                      "768x1024x32@75#3 1024x768x16@60#5 ");
}

TEST(DisplayModes, FilterKeepsInclusiveRanges) {
    DisplayModes list(
        new TablePlatform({mode(639, 480, 32, 60), mode(640, 480, 32, 0), mode(640, 479, 32, 60),
                           mode(800, 600, 24, 60), mode(800, 600, 32, 1), mode(1600, 1200, 32, 60)}));
    list.filter(640, 480, 32, 1600, INT_MAX, 32, 0, INT_MAX);
    EXPECT_EQ(describe(listed(list)), "640x480x32@0#1 800x600x32@1#4 1600x1200x32@60#5 ");
    list.filter(0, 0, 0, 1599, INT_MAX, INT_MAX, 1, 60);
    EXPECT_EQ(describe(listed(list)), "800x600x32@1#4 ");
}

TEST(DisplayModes, ChooseRefreshKeepsClosestRatePerResolution) {
    struct Case {
        std::vector<int> rates;
        int kept;
    } cases[] = {{{60, 75, 85}, 85}, {{60, 100}, 100}, {{75, 95}, 75},
                 {{95, 75}, 95},     {{0, 1}, 1},      {{60}, 60}};
    for (const Case& c : cases) {
        std::vector<DisplayMode> table;
        for (int rate : c.rates)
            table.push_back(mode(800, 600, 32, rate));
        DisplayModes list(new TablePlatform(table));
        list.chooseRefresh(85);
        ASSERT_EQ(list.modes.getCount(), 1u) << c.kept;
        EXPECT_EQ(list.modes[0].refreshRate, c.kept);
    }
}

TEST(DisplayModes, ChooseRefreshWorksRunByRunAndKeepsDuplicatesOfTheBestRate) {
    DisplayModes list(
        new TablePlatform({mode(640, 480, 32, 60), mode(640, 480, 32, 85), mode(640, 480, 32, 85),
                           mode(800, 600, 32, 72), mode(800, 600, 32, 60), mode(1024, 768, 32, 70),
                           mode(1024, 768, 32, 100)})); // 70 and 100 tie: first seen
    list.chooseRefresh(85);
    EXPECT_EQ(describe(listed(list)), "640x480x32@85#1 640x480x32@85#2 800x600x32@72#3 1024x768x32@70#5 ");

    DisplayModes empty(new TablePlatform({}));
    empty.chooseRefresh(85);
    EXPECT_EQ(empty.modes.getCount(), 0u);
}

TEST(DisplayModes, SetModePicksTheClosestModeAndSetsItsPlatformRecord) {
    std::vector<DisplayMode> table = {mode(1600, 1200, 32, 60), mode(800, 600, 32, 85),
                                      mode(1152, 864, 32, 75),  mode(1024, 768, 16, 85),
                                      mode(1024, 768, 32, 60),  mode(1280, 1024, 32, 85)};
    struct Case {
        int w, h, bits, refresh;
        int expectedPlatformIndex;
    } cases[] = {
        {1024, 768, 32, 60, 4},  // exactly offered: distance 0
        {1024, 768, 32, 85, 4},  // bits dominate: the 16-bit 1024x768 loses to any 32-bit mode
        {1024, 768, 16, 60, 3},  // then the 16-bit one is the only one at bits distance 0
        {1152, 864, 32, 85, 2},  // size before refresh
        {1100, 820, 32, 85, 2},  // 52 + 44 = 96 beats 1024x768 at 76 + 52 = 128
        {640, 480, 32, 85, 1},   // below every mode: the smallest
        {4000, 3000, 32, 60, 0}, // above every mode: the largest
    };
    for (const Case& c : cases) {
        std::vector<int> changes;
        DisplayModes list(new TablePlatform(table, &changes));
        EXPECT_TRUE(list.setMode(c.w, c.h, c.bits, c.refresh));
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0], c.expectedPlatformIndex)
            << c.w << "x" << c.h << "x" << c.bits << "@" << c.refresh;
    }
}

TEST(DisplayModes, SetModeTieGoesToTheSmallerArea) {
    // 1000x700 and 1048x836 are both 24+68 = 92 away from 1024x768 in size with the same refresh.
    std::vector<int> changes;
    DisplayModes list(new TablePlatform({mode(1048, 836, 32, 85), mode(1000, 700, 32, 85)}, &changes));
    EXPECT_EQ(list.closestMode(1024, 768, 32, 85), 0);
    EXPECT_EQ(list.modes[0].width, 1000);
    EXPECT_TRUE(list.setMode(1024, 768, 32, 85));
    EXPECT_EQ(changes, std::vector<int>{1});
}

TEST(DisplayModes, DefaultsPrefer1152x864Over800x600) {
    std::vector<int> changes;
    TestApp app;
    app.createDisplayModes(new TablePlatform(
        {mode(800, 600, 32, 60), mode(800, 600, 32, 85), mode(1152, 864, 32, 60), mode(1152, 864, 32, 75),
         mode(1024, 768, 16, 85), mode(320, 240, 32, 85), mode(1280, 1024, 24, 85)},
        &changes));
    EXPECT_EQ(describe(listed(*app.displayModes)), "800x600x32@85#1 1152x864x32@75#3 ");
    EXPECT_TRUE(app.setDisplayMode(1024, 768, 85));
    EXPECT_EQ(changes, std::vector<int>{3});
}

TEST(DisplayModes, FailuresAreReported) {
    std::vector<int> changes;
    TestApp app;
    EXPECT_FALSE(app.setDisplayMode(1024, 768, 85)); // no list yet
    EXPECT_FALSE(app.restoreDisplayMode());
    app.createDisplayModes(new TablePlatform({mode(320, 240, 32, 60), mode(1024, 768, 16, 60)}, &changes));
    EXPECT_EQ(app.displayModes->modes.getCount(), 0u); // nothing usable
    EXPECT_FALSE(app.setDisplayMode(1024, 768, 85));
    EXPECT_TRUE(changes.empty());

    DisplayModes rejecting(new TablePlatform({mode(1024, 768, 32, 60)}, &changes, false));
    EXPECT_FALSE(rejecting.setMode(1024, 768, 32, 60));
    EXPECT_FALSE(rejecting.restore());
    EXPECT_EQ(changes, std::vector<int>{0});

    DisplayModes accepting(new TablePlatform({mode(1024, 768, 32, 60), mode(800, 600, 32, 60)}, &changes));
    changes.clear();
    EXPECT_TRUE(accepting.setModeByIndex(1));
    EXPECT_FALSE(accepting.setModeByIndex(2));
    EXPECT_FALSE(accepting.setModeByIndex(0xFFFFFFFFu));
    EXPECT_EQ(changes, std::vector<int>{0}); // position 1 after sorting is the 1024x768 record
    EXPECT_TRUE(accepting.restore());
}
