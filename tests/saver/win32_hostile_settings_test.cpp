// Settings files nobody meant to write, read through the real profile functions: the saver must come
// out with consistent music settings and never crash or hang. ZANDREL_HOSTILE_ROUNDS raises the number
// of random files for a long run.
#include "saver/forms/win32_program.h"
#include "saver/number_text.h"
#include "saver/settings.h"
#include "saver/win32_ini_file.h"
#include "saver/win32_settings_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

using namespace Morvex_B;

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void resetSettings() {
    BgmKind = 0;
    BgmRepeatTrack = 0;
    BgmFile.clear();
    BgmFolder.clear();
}

void expectConsistentSettings(const std::string& what) {
    EXPECT_FALSE(BgmKind == BgmFileMusic && BgmFile.empty()) << what;
    EXPECT_FALSE(BgmFolder.empty()) << what;
    EXPECT_LE(BgmFile.size(), 255u) << what;
}

std::string line(const char* key, const std::string& value) {
    return std::string(key) + "=" + value + "\r\n";
}

int rounds() {
    const char* text = std::getenv("ZANDREL_HOSTILE_ROUNDS");
    return text && std::atoi(text) > 0 ? std::atoi(text) : 300;
}

struct HostileFile {
    const char* what;
    std::string bytes;
};

} // namespace

TEST(HostileSettings, CraftedFilesGiveConsistentSettings) {
    const std::string head = "[Section]\r\n";
    const std::string huge(300, '9');
    const HostileFile files[] = {
        {"empty file", ""},
        {"wrong types",
         head + line(KeyBgmKind, "two") + line(KeyBgmRepeatTrack, "x") + line(KeyBgmFile, "&H10")},
        {"huge values", head + line(KeyBgmKind, huge) + line(KeyBgmRepeatTrack, "1e308") +
                            line(KeyBgmFile, std::string(4000, 'a'))},
        {"file choice, no file", head + line(KeyBgmKind, " 2") + line(KeyBgmFile, "")},
        {"file choice, vanished file",
         head + line(KeyBgmKind, " 2") + line(KeyBgmFile, "C:\\no\\such\\music.mp3")},
        {"invalid Shift_JIS", head + line(KeyBgmKind, "\x81") + line(KeyBgmRepeatTrack, "\xFF\xFE\x80") +
                                  line(KeyBgmFile, "C:\\\x81\\\x9F\xFC.mp3") + "\x82\r\n\xE0"},
        {"broken section", "[Section\r\n" + line(KeyBgmKind, " 1") + "]]\r\n=\r\n=="},
        {"NUL bytes", head + line(KeyBgmKind, std::string(" 1\0 2", 5)) + std::string(100, '\0')},
        {"UTF-16 mark", std::string("\xFF\xFE[\0S\0", 6) + head + line(KeyBgmKind, " 1")},
        {"one long line", head + std::string(1 << 20, 'k')},
        {"many sections",
         [&] {
             std::string many;
             for (int i = 0; i < 2000; ++i)
                 many += head + line(KeyBgmKind, std::to_string(i));
             return many;
         }()},
    };
    const std::string file = SettingsFilePath();
    for (const HostileFile& hostile : files) {
        writeFile(file, hostile.bytes);
        resetSettings();
        LoadSettings();
        expectConsistentSettings(hostile.what);
    }
    DeleteFileA(file.c_str());
}

TEST(HostileSettings, RandomBytesGiveConsistentSettings) {
    const std::string file = SettingsFilePath();
    std::mt19937 random(20261211);
    const std::string keys[] = {KeyBgmKind, KeyBgmRepeatTrack, KeyBgmFile};
    const int count = rounds();
    for (int round = 0; round < count; ++round) {
        // Half the files are pure noise, half are noise around the real section and keys, which is
        // where the reading's decisions are reached.
        std::string bytes;
        const size_t size = random() % 4096;
        if (round % 2)
            bytes = "[Section]\r\n";
        for (size_t i = 0; i < size; ++i) {
            if (round % 2 && random() % 64 == 0)
                bytes += keys[random() % 3] + "=";
            bytes += char(random() % 256);
        }
        writeFile(file, bytes);
        resetSettings();
        LoadSettings();
        expectConsistentSettings("random file, round " + std::to_string(round));
        if (HasFailure())
            break;
    }
    DeleteFileA(file.c_str());
}

TEST(HostileSettings, ASettingsFileThatCannotBeWrittenKeepsWhatItHolds) {
    // Another program holding the file open without sharing: the superuser the tests run as ignores a
    // read-only attribute, a sharing lock it cannot.
    const std::string file = SettingsFilePath();
    const std::string kept = "[Section]\r\n" + line(KeyBgmKind, " 1") + line(KeyBgmRepeatTrack, " 4");
    writeFile(file, kept);
    HANDLE lock = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    WriteIniValue(SettingsSection, KeyBgmKind, FormatIniNumber(2), file);
    WriteIniValue(SettingsSection, KeyBgmRepeatTrack, FormatIniNumber(9), file);
    resetSettings();
    LoadSettings();
    expectConsistentSettings("locked file");
    CloseHandle(lock);

    EXPECT_EQ(fileBytes(file), kept);
    resetSettings();
    LoadSettings();
    EXPECT_EQ(BgmKind, 1);
    EXPECT_EQ(BgmRepeatTrack, 4);

    // A folder standing under the file's name: nothing can be written or read, and nothing breaks.
    DeleteFileA(file.c_str());
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    WriteIniValue(SettingsSection, KeyBgmKind, FormatIniNumber(1), file);
    resetSettings();
    LoadSettings();
    expectConsistentSettings("folder as settings file");
    EXPECT_EQ(BgmKind, 0);
    RemoveDirectoryA(file.c_str());
}
