#include "saver/start_plan.h"

#include <gtest/gtest.h>

#include <string>

using namespace Morvex_B;

namespace {

struct PlanCase {
    const char* commandText;
    StartMode mode;
    bool hidesCursor;
    int32_t previewHandle;
};

TEST(StartPlan, CommandLinesAsWindowsAndOthersWriteThem) {
    const PlanCase cases[] = {
        {"/s", StartMode::Run, true, 0},
        {"/S", StartMode::Run, true, 0},
        {"-s", StartMode::Run, true, 0},
        {"xs", StartMode::Run, true, 0},
        {"/s 1234", StartMode::Run, true, 0},
        {"", StartMode::Run, false, 0},
        {"s", StartMode::Ignore, false, 0},
        {"/a", StartMode::Ignore, false, 0},
        {"/a 1234", StartMode::Ignore, false, 0},
        {"/x", StartMode::Ignore, false, 0},
        {" ", StartMode::Ignore, false, 0},
        {"/c", StartMode::Configure, false, 0},
        {"/C", StartMode::Configure, false, 0},
        {"/c:1234", StartMode::Configure, false, 0},
        {"/p 1234", StartMode::Preview, false, 1234},
        {"/p:1234", StartMode::Preview, false, 1234},
        {"/P 1234", StartMode::Preview, false, 1234},
        {"/p1234", StartMode::Preview, false, 234},
        {"/p", StartMode::Preview, false, 0},
        {"/p ", StartMode::Preview, false, 0},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(std::string("command text \"") + c.commandText + "\"");
        const StartPlan plan = PlanStart(c.commandText);
        EXPECT_EQ(plan.mode, c.mode);
        EXPECT_EQ(plan.hidesCursor, c.hidesCursor);
        EXPECT_EQ(plan.previewHandle, c.previewHandle);
        // The preview alone needs neither the settings nor the renderer file.
        EXPECT_EQ(plan.loadsSettings, c.mode != StartMode::Preview);
        EXPECT_EQ(plan.needsRenderer, c.mode != StartMode::Preview);
    }
}

TEST(StartPlan, ModeLetterIsTheSecondCharacterUpperCased) {
    EXPECT_EQ(ModeLetter(""), 0);
    EXPECT_EQ(ModeLetter("s"), 0);
    EXPECT_EQ(ModeLetter("/s"), 'S');
    EXPECT_EQ(ModeLetter("sp"), 'P');
    EXPECT_EQ(ModeLetter("/1"), '1');
    // Bytes of another code page are not letters to upper-case.
    EXPECT_EQ(ModeLetter("/\xE9"), '\xE9');
}

TEST(StartPlan, PreviewHandleReadsADecimalNumberRoundedHalfToEven) {
    const struct {
        const char* commandText;
        int32_t handle;
    } cases[] = {
        {"/p 0", 0},
        {"/p 65570", 65570},
        {"/p   42", 42},
        {"/p 1 2 3", 123}, // blanks are skipped wherever they stand
        {"/p 12abc", 12},  // reading stops at what cannot continue a number
        {"/p abc", 0},     // no number
        {"/p 0x10", 0},    // decimal only
        {"/p 2.5", 2},     // halves go to the even neighbour
        {"/p 3.5", 4},
        {"/p 2.4999", 2},
        {"/p 2.51", 3},
        {"/p -1.5", -2},
        {"/p -7", -7},
        {"/p +9", 9},
        {"/p .5", 0},
        {"/p 1e3", 1000},
        {"/p 1e", 1}, // an exponent without digits is not read
        {"/p 1.5e1", 15},
        {"/p 2147483647", 2147483647},
        {"/p 4294967295", -1}, // written unsigned: the same 32 bits
        {"/p 4294967296", 0},  // no 32-bit handle
        {"/p -2147483649", 0},
        {"/p 1e400", 0}, // beyond any number
        {"/p 99999999999999999999999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandText);
        EXPECT_EQ(PreviewHandle(c.commandText), c.handle);
    }
}

TEST(StartPlan, LeadingNumberOfEmptyOrSignOnlyTextIsZero) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("+."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(" - 1 . 25 x"), -1.25);
}

} // namespace
