#include "saver/file_paths.h"
#include "saver/settings.h"
#include "saver/settings_location.h"

#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

using namespace Morvex_B;

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        BgmKind = 0;
        BgmRepeatTrack = 0;
        BgmFile.clear();
        BgmFolder.clear();
    }

    void apply(const char* kind, const char* repeat, const std::string& file) {
        ApplySettings(SettingsText{kind, repeat, file}, "C:\\Saver");
    }

    static std::string existingFile() {
        const std::string path = scratchPath("settings_song.mp3");
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file)
            std::fclose(file);
        return path;
    }
};

} // namespace

TEST_F(Settings, KeyNamesAreTheShiftJisBytesOfTheFile) {
    EXPECT_STREQ(SettingsSection, "Section");
    EXPECT_EQ(std::strlen(KeyBgmKind), 7u);
    EXPECT_EQ(std::memcmp(KeyBgmKind, "BGM\x8B\xE6\x95\xAA", 7), 0);
    EXPECT_EQ(std::memcmp(KeyBgmRepeatTrack, "BGM\xD8\xCB\xDF\xB0\xC4", 9), 0);
    EXPECT_EQ(std::memcmp(KeyBgmFile, "BGM\xCC\xA7\xB2\xD9", 8), 0);
}

TEST_F(Settings, NoFileMeansNoMusicAndTheSaversFolder) {
    apply("", "", "");
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmRepeatTrack, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, "C:\\Saver");
}

TEST_F(Settings, NumbersReadAsTheirIntegerPart) {
    apply("1.7", " 5", "");
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeatTrack, 5);
    apply("5", "abc", "");
    EXPECT_EQ(BgmKind, 5); // not checked against 0 to 2
    EXPECT_EQ(BgmRepeatTrack, 5) << "text that is no number keeps the value";
    SetUp();
    apply("abc", "99999", "");
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmRepeatTrack, 0);
}

TEST_F(Settings, FileChoiceWithoutAnExistingFileBecomesNone) {
    apply(" 2", "", "");
    EXPECT_EQ(BgmKind, 0);
    apply(" 2", "", scratchPath("vanished.mp3"));
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, "C:\\Saver");
    // The CD choice keeps its kind whatever the file says.
    apply(" 1", " 3", scratchPath("vanished.mp3"));
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeatTrack, 3);
}

TEST_F(Settings, AnExistingFileIsKeptAndGivesTheDialogsFolder) {
    const std::string file = existingFile();
    apply(" 2", "", file);
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmFile, file);
    EXPECT_EQ(BgmFolder, FolderOf(file));
}

TEST(SettingsLocation, BesideTheSaverWhenItsFolderCanBeWritten) {
    EXPECT_EQ(ChooseSettingsFile("C:\\Saver", true, "C:\\Users\\a\\AppData\\Roaming"),
              "C:\\Saver\\Zandrel.ini");
    EXPECT_EQ(ChooseSettingsFile("C:", true, "C:\\AppData"), "C:\\Zandrel.ini");
    EXPECT_EQ(ChooseSettingsFile("C:\\Windows\\System32", false, "C:\\Users\\a\\AppData\\Roaming"),
              "C:\\Users\\a\\AppData\\Roaming\\Zandrel\\Zandrel.ini");
    EXPECT_EQ(ChooseSettingsFile("C:\\Windows\\System32", false, "D:\\"), "D:\\Zandrel\\Zandrel.ini");
    EXPECT_EQ(ChooseSettingsFile("C:\\Windows\\System32", false, ""), "C:\\Windows\\System32\\Zandrel.ini");
    EXPECT_EQ(FallbackSettingsFolder("C:\\AppData"), "C:\\AppData\\Zandrel");
}
