#include "saver/command/command_face.h"
#include "saver/command/command_properties.h"

#include <gtest/gtest.h>

using namespace Morvex;

TEST(CommandFace, ReadsColourTexts) {
    FaceColour colour;
    ASSERT_TRUE(ParseFaceColour("&HC6C5D7", colour));
    EXPECT_EQ(colour.red, 198);
    EXPECT_EQ(colour.green, 197);
    EXPECT_EQ(colour.blue, 215);
    for (const char* bad : {"", "&H", "C6C5D7", "&HC6C5D", "&HC6C5D7F", "&HG6C5D7", "#HC6C5D7"})
        EXPECT_FALSE(ParseFaceColour(bad, colour)) << bad;
}

TEST(CommandFace, GradientRunsTopToBottomOrReversed) {
    const FaceColour top = FaceRowColour(0, 25, false), bottom = FaceRowColour(24, 25, false);
    EXPECT_EQ(top.red, 255);
    EXPECT_EQ(top.blue, 255);
    EXPECT_EQ(bottom.red, 198);
    EXPECT_EQ(bottom.green, 197);
    EXPECT_EQ(bottom.blue, 215);
    EXPECT_EQ(FaceRowColour(0, 25, true).red, 198);
    EXPECT_EQ(FaceRowColour(24, 25, true).red, 255);
    const FaceColour middle = FaceRowColour(12, 25, false);
    EXPECT_GT(middle.red, 198);
    EXPECT_LT(middle.red, 255);
    // Degenerate heights and rows outside do not step outside the two colours.
    EXPECT_EQ(FaceRowColour(0, 1, false).red, 255);
    EXPECT_EQ(FaceRowColour(-5, 0, false).red, 255);
    EXPECT_EQ(FaceRowColour(99, 25, false).red, 198);
}

TEST(CommandFace, FramePiecesCoverTheEdgesOfTheControl) {
    FramePiece pieces[8];
    FramePieces(100, 40, pieces);
    // Corners unscaled.
    EXPECT_EQ(pieces[3].source.left, 60);
    EXPECT_EQ(pieces[3].source.top, 21);
    EXPECT_EQ(pieces[3].target.left, 96);
    EXPECT_EQ(pieces[3].target.top, 36);
    EXPECT_EQ(pieces[3].target.width, 4);
    // Top edge: the 56 middle pixels stretched to width less 8.
    EXPECT_EQ(pieces[4].source.width, 56);
    EXPECT_EQ(pieces[4].target.width, 92);
    // Side edges: the 17 middle pixels stretched to height less 8.
    EXPECT_EQ(pieces[7].source.height, 17);
    EXPECT_EQ(pieces[7].target.height, 32);
    FramePieces(3, 3, pieces);
    for (const FramePiece& piece : pieces) {
        EXPECT_GE(piece.target.width, 0);
        EXPECT_GE(piece.target.height, 0);
        EXPECT_GE(piece.target.left, 0);
    }
}

TEST(CommandFace, CaptionSitsNearTheMiddle) {
    // (25 - 13) pixels = 180 twips, less 20 = 160, half = 80 twips = 5 pixels at 15 twips per pixel.
    EXPECT_EQ(CaptionTop(25, 13, 15), 5);
    EXPECT_EQ(CaptionTop(25, 13, 0), 5);
}

TEST(CommandProperties, DefaultsAndStoredForms) {
    Forms::PropertyBag empty;
    CommandProperties read = ReadCommandProperties(empty);
    EXPECT_EQ(read.caption, "Command1");
    EXPECT_TRUE(read.enabled);
    EXPECT_TRUE(read.visible);
    EXPECT_EQ(read.fontColour, 0u);

    Forms::PropertyBag bag;
    CommandProperties written;
    written.caption = "Command";
    written.enabled = false;
    written.firstRun = 1;
    written.fontColour = 0xFF8040;
    written.visible = false;
    WriteCommandProperties(written, bag);
    EXPECT_FALSE(bag.contains("Caption"));
    EXPECT_EQ(bag.readString("Visible", ""), "0");
    read = ReadCommandProperties(bag);
    EXPECT_EQ(read.caption, "Command1");
    EXPECT_FALSE(read.enabled);
    EXPECT_EQ(read.firstRun, 1);
    EXPECT_EQ(read.fontColour, 0xFF8040u);
    EXPECT_FALSE(read.visible);

    written.caption = "\xE8\xA8\xAD\xE5\xAE\x9A";
    WriteCommandProperties(written, bag);
    EXPECT_EQ(ReadCommandProperties(bag).caption, written.caption);
}

TEST(CommandProperties, StoredFontRoundTripsAndRejectsOtherTexts) {
    const StoredFont dialog{"\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E", 9.75, 128, false};
    const StoredFont piped{"Odd|Face", 12, 0, true};
    for (const StoredFont& font : {dialog, piped}) {
        StoredFont read;
        ASSERT_TRUE(ParseStoredFont(FormatStoredFont(font), read)) << FormatStoredFont(font);
        EXPECT_EQ(read, font);
    }
    EXPECT_EQ(FormatStoredFont(piped), "Odd|Face|12|0|1");

    const char* const bad[] = {"",
                               "Tahoma",
                               "Tahoma|9",
                               "|9|0|0",
                               "Tahoma|x|0|0",
                               "Tahoma|9|0|2",
                               "Tahoma|9|256|0",
                               "Tahoma|0|0|0",
                               "Tahoma|-9|0|0",
                               "Tahoma|9|0|0 ",
                               "Tahoma|1e400|0|0",
                               "Tahoma|9||0",
                               "Tahoma|9.5.5|0|0"};
    for (const char* text : bad) {
        StoredFont untouched = dialog;
        EXPECT_FALSE(ParseStoredFont(text, untouched)) << text;
        EXPECT_EQ(untouched, dialog) << text;
    }
}
