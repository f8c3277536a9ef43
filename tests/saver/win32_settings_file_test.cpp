#include "saver/file_paths.h"
#include "saver/forms/win32_program.h"
#include "saver/number_text.h"
#include "saver/settings.h"
#include "saver/win32_ini_file.h"
#include "saver/win32_settings_file.h"

#include "support/test_data.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace Morvex_B;

namespace {

std::string fullPath(const std::string& relative) {
    char path[MAX_PATH] = {};
    GetFullPathNameA(relative.c_str(), MAX_PATH, path, nullptr);
    return path;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int16_t number(const std::string& text) {
    int16_t value = -99;
    ParseIniNumber(text, value);
    return value;
}

void resetSettings() {
    BgmKind = 0;
    BgmRepeatTrack = 0;
    BgmFile.clear();
    BgmFolder.clear();
}

// The path of a music file whose folder name is Shift_JIS bytes ("ongaku").
const char* const ShiftJisFolder = "\x89\xB9\x8A\x79";

} // namespace

TEST(ProfileFile, ShiftJisKeysAndValuesRoundTripThroughTheAnsiFunctions) {
    const std::string file = fullPath(scratchPath("roundtrip.ini"));
    DeleteFileA(file.c_str());
    const std::string music = std::string("C:\\") + ShiftJisFolder + "\\a.mp3";
    WriteIniValue(SettingsSection, KeyBgmKind, FormatIniNumber(2), file);
    WriteIniValue(SettingsSection, KeyBgmRepeatTrack, FormatIniNumber(5), file);
    WriteIniValue(SettingsSection, KeyBgmFile, music, file);

    // The profile functions may trim the leading blank of " 2": the values are what must survive.
    EXPECT_EQ(number(ReadIniValue(SettingsSection, KeyBgmKind, file)), 2);
    EXPECT_EQ(number(ReadIniValue(SettingsSection, KeyBgmRepeatTrack, file)), 5);
    EXPECT_EQ(ReadIniValue(SettingsSection, KeyBgmFile, file), music);

    const std::string bytes = fileBytes(file);
    EXPECT_NE(bytes.find("[Section]"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(std::string(KeyBgmKind) + "="), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(std::string(KeyBgmFile) + "=" + music), std::string::npos) << bytes;

    WriteIniValue(SettingsSection, KeyBgmFile, "", file);
    EXPECT_EQ(ReadIniValue(SettingsSection, KeyBgmFile, file), "");
    EXPECT_NE(fileBytes(file).find(std::string(KeyBgmFile) + "="), std::string::npos)
        << "an empty value keeps its key";
}

TEST(ProfileFile, MissingThingsReadEmptyAndLongValuesAreCut) {
    const std::string file = fullPath(scratchPath("long.ini"));
    DeleteFileA(file.c_str());
    EXPECT_EQ(ReadIniValue(SettingsSection, KeyBgmKind, file), "");
    const std::string longValue(400, 'x');
    WriteIniValue(SettingsSection, KeyBgmFile, longValue, file);
    EXPECT_EQ(ReadIniValue(SettingsSection, KeyBgmFile, file), std::string(255, 'x'));
    EXPECT_EQ(ReadIniValue("Other", KeyBgmFile, file), "");
    EXPECT_EQ(ReadIniValue(SettingsSection, KeyBgmKind, file), "");
}

TEST(SettingsFile, LivesBesideTheSaverWhenItsFolderIsWritable) {
    const std::string folder = Forms::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(FolderWritable(folder));
    EXPECT_EQ(SettingsFilePath(), folder + "\\Zandrel.ini");
}

TEST(SettingsFile, LoadSettingsReadsTheFileBesideTheSaver) {
    const std::string file = SettingsFilePath();
    const std::string music = fullPath(scratchPath("load.mp3"));
    std::ofstream(music, std::ios::binary) << "ID3";

    DeleteFileA(file.c_str());
    resetSettings();
    LoadSettings();
    EXPECT_EQ(BgmKind, 0);
    EXPECT_EQ(BgmRepeatTrack, 0);
    EXPECT_EQ(BgmFile, "");
    EXPECT_EQ(BgmFolder, Forms::ProgramFolder());

    WriteIniValue(SettingsSection, KeyBgmKind, " 2", file);
    WriteIniValue(SettingsSection, KeyBgmRepeatTrack, "1.7", file);
    WriteIniValue(SettingsSection, KeyBgmFile, music, file);
    LoadSettings();
    EXPECT_EQ(BgmKind, 2);
    EXPECT_EQ(BgmRepeatTrack, 1);
    EXPECT_EQ(BgmFile, music);
    EXPECT_EQ(BgmFolder, FolderOf(music));

    WriteIniValue(SettingsSection, KeyBgmFile, "", file);
    WriteIniValue(SettingsSection, KeyBgmRepeatTrack, "abc", file);
    resetSettings();
    LoadSettings();
    EXPECT_EQ(BgmKind, 0) << "the file choice with no file is no music";
    EXPECT_EQ(BgmRepeatTrack, 0);
    EXPECT_EQ(BgmFolder, Forms::ProgramFolder());
    DeleteFileA(file.c_str());
}

TEST(SettingsFile, FallsBackToApplicationDataWhenTheSaversFolderCannotBeWritten) {
    // The process folder of the Unix side: it exists, and not even the superuser can make files in it.
    const std::string locked = "Z:\\proc";
    ASSERT_NE(GetFileAttributesA(locked.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(FolderWritable(locked));
    EXPECT_FALSE(FolderWritable("C:\\no\\such\\folder"));

    const std::string appData = AppDataFolder();
    ASSERT_FALSE(appData.empty());
    const std::string expected = appData + "\\Zandrel\\Zandrel.ini";
    RemoveDirectoryA((appData + "\\Zandrel").c_str());
    EXPECT_EQ(SettingsFilePathFor(locked), expected);
    EXPECT_EQ(SettingsFilePathFor("C:\\no\\such\\folder"), expected);

    // The folder is made on the way, so writing and reading there work.
    DeleteFileA(expected.c_str());
    WriteIniValue(SettingsSection, KeyBgmKind, " 1", SettingsFilePathFor(locked));
    EXPECT_EQ(number(ReadIniValue(SettingsSection, KeyBgmKind, SettingsFilePathFor(locked))), 1);
    EXPECT_NE(fileBytes(expected).find(KeyBgmKind), std::string::npos);
    DeleteFileA(expected.c_str());
}
