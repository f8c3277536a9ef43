#include "saver/forms/bmp_file.h"
#include "saver/forms/command_line.h"
#include "saver/forms/property_bag.h"
#include "saver/forms/twips.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace Forms;

namespace {

uint32_t read32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | (uint32_t)bytes[at + 3] << 24;
}

} // namespace

TEST(CommandLine, DropsTheProgramsNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentsOf("Zandrel.scr /s"), "/s");
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\Zandrel.scr\"   /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentsOf("\"C:\\a b\\Zandrel.scr\"/c:99"), "/c:99");
    EXPECT_EQ(ArgumentsOf("C:\\Zandrel.scr"), "");
    EXPECT_EQ(ArgumentsOf("\"unterminated"), "");
    EXPECT_EQ(ArgumentsOf(""), "");
    EXPECT_EQ(ArgumentsOf(nullptr), "");
    EXPECT_EQ(ArgumentsOf("x.scr /a  trailing "), "/a  trailing ");
}

TEST(BmpFile, Writes24BitRowsBottomFirstPaddedToFourBytes) {
    // 3 by 2 pixels: top row red, green, blue; bottom row white, black, grey. B, G, R, x each.
    const uint8_t pixels[] = {0,   0,   255, 0, 0, 255, 0, 0, 255, 0,   0,   0,
                              255, 255, 255, 0, 0, 0,   0, 0, 128, 128, 128, 0};
    const std::vector<uint8_t> file = EncodeBmp24(3, 2, pixels, 12);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(read32(file, 2), file.size());
    EXPECT_EQ(read32(file, 10), 54u);
    EXPECT_EQ(read32(file, 14), 40u);
    EXPECT_EQ(read32(file, 18), 3u);
    EXPECT_EQ(read32(file, 22), 2u) << "positive height: bottom row first";
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(read32(file, 30), 0u) << "uncompressed";
    const std::vector<uint8_t> bottom(file.begin() + 54, file.begin() + 66);
    const std::vector<uint8_t> top(file.begin() + 66, file.end());
    EXPECT_EQ(bottom, (std::vector<uint8_t>{255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0}));
    EXPECT_EQ(top, (std::vector<uint8_t>{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
}

TEST(BmpFile, RefusesEmptyPicturesAndUnwritablePaths) {
    const uint8_t pixel[4] = {};
    EXPECT_TRUE(EncodeBmp24(0, 1, pixel, 4).empty());
    EXPECT_TRUE(EncodeBmp24(1, -1, pixel, 4).empty());
    EXPECT_FALSE(WriteBmp24File(scratchPath("none.bmp"), 0, 0, pixel, 4));
    EXPECT_FALSE(WriteBmp24File(scratchPath("no/such/folder.bmp"), 1, 1, pixel, 4));
    const std::string path = scratchPath("one.bmp");
    ASSERT_TRUE(WriteBmp24File(path, 1, 1, pixel, 4));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), 58u);
}

TEST(PropertyBag, GivesTheDefaultForWhatWasNeverWritten) {
    PropertyBag bag;
    EXPECT_EQ(bag.readString("Caption", "Command1"), "Command1");
    EXPECT_TRUE(bag.readBool("Enabled", true));
    bag.writeString("Caption", "OK");
    bag.writeBool("Enabled", false);
    bag.writeInt("FontColour", 0xFF8000);
    bag.writeString("Visible", "yes");
    EXPECT_EQ(bag.readString("Caption", "Command1"), "OK");
    EXPECT_FALSE(bag.readBool("Enabled", true));
    EXPECT_EQ(bag.readInt("FontColour", 0), 0xFF8000);
    EXPECT_EQ(bag.readInt("Visible", 1), 1) << "text that is no number reads as the default";
    bag.remove("Caption");
    EXPECT_FALSE(bag.contains("Caption"));
    EXPECT_EQ(bag.size(), 3u);
}

TEST(Twips, FifteenToThePixelAt96DotsPerInch) {
    EXPECT_EQ(TwipsPerPixelFor(96), 15);
    EXPECT_EQ(TwipsPerPixelFor(120), 12);
    EXPECT_EQ(TwipsPerPixelFor(0), 15);
    EXPECT_EQ(TwipsToPixels(7440, 15), 496);
    EXPECT_EQ(TwipsToPixels(3645, 15), 243);
    EXPECT_EQ(PixelsToTwips(152, 15), 2280);
}
