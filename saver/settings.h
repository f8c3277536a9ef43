#pragma once

#include <cstdint>
#include <string>

namespace Morvex_B {

// The music settings, alive for the whole process; zero or empty until LoadSettings fills them.
extern int16_t BgmKind;        // 0 none, 1 music CD, 2 an MP3 or WAV file
extern int16_t BgmRepeatTrack; // CD track to play over and over; 0 plays the disc through
extern std::string BgmFile;    // full path of the MP3 or WAV file, or empty
extern std::string BgmFolder;  // where the open-file dialog starts

enum BgmKinds : int16_t { BgmNone = 0, BgmCd = 1, BgmFileMusic = 2 };

// The section and key names as the file stores them: Shift_JIS bytes, written as escapes so that the
// source file's encoding cannot change them.
extern const char* const SettingsSection;
extern const char* const KeyBgmKind;        // "BGM" + kubun
extern const char* const KeyBgmRepeatTrack; // "BGM" + ripiito in half-width katakana
extern const char* const KeyBgmFile;        // "BGM" + fairu in half-width katakana

// The three values as the file gives them (empty when missing).
struct SettingsText {
    std::string kind;
    std::string repeatTrack;
    std::string file;
};

// The decisions of LoadSettings: numbers that do not read keep the value they had, an empty or vanished
// music file turns the file choice into none, and the dialog starts in the music file's folder or else
// in saverFolder.
void ApplySettings(const SettingsText& text, const std::string& saverFolder);

} // namespace Morvex_B
