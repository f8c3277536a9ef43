#include "saver/settings.h"

#include "saver/file_paths.h"
#include "saver/number_text.h"

namespace Morvex_B {

int16_t BgmKind = 0;
int16_t BgmRepeatTrack = 0;
std::string BgmFile;
std::string BgmFolder;

const char* const SettingsSection = "Section";
const char* const KeyBgmKind = "BGM\x8B\xE6\x95\xAA";
const char* const KeyBgmRepeatTrack = "BGM\xD8\xCB\xDF\xB0\xC4";
const char* const KeyBgmFile = "BGM\xCC\xA7\xB2\xD9";

namespace {

void readNumber(const std::string& text, int16_t& value) {
    if (text.empty()) {
        value = 0;
        return;
    }
    ParseIniNumber(text, value);
}

} // namespace

void ApplySettings(const SettingsText& text, const std::string& saverFolder) {
    readNumber(text.kind, BgmKind);
    readNumber(text.repeatTrack, BgmRepeatTrack);
    BgmFile = text.file;
    if (!BgmFile.empty() && !FileExists(BgmFile))
        BgmFile.clear();
    if (BgmFile.empty() && BgmKind == BgmFileMusic)
        BgmKind = BgmNone;
    BgmFolder = BgmFile.empty() ? saverFolder : FolderOf(BgmFile);
}

} // namespace Morvex_B
