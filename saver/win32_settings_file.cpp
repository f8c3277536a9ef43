#include "saver/win32_settings_file.h"

#include "saver/forms/win32_program.h"
#include "saver/settings.h"
#include "saver/settings_location.h"
#include "saver/win32_ini_file.h"

#include <windows.h>

#include <shlobj.h>

namespace Morvex_B {

bool FolderWritable(const std::string& folder) {
    // A file really made and removed: asking for a temporary name is not enough, as some systems give
    // one without making the file.
    char name[64];
    wsprintfA(name, "\\zandrel-%lu-%lu.probe", GetCurrentProcessId(), GetTickCount());
    const std::string probe = folder + name;
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

std::string AppDataFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

std::string SettingsFilePath() {
    return SettingsFilePathFor(Forms::ProgramFolder());
}

std::string SettingsFilePathFor(const std::string& saverFolder) {
    const bool writable = FolderWritable(saverFolder);
    const std::string appData = writable ? std::string() : AppDataFolder();
    if (!writable && !appData.empty())
        CreateDirectoryA(FallbackSettingsFolder(appData).c_str(), nullptr);
    return ChooseSettingsFile(saverFolder, writable, appData);
}

void LoadSettings() {
    const std::string file = SettingsFilePath();
    SettingsText text;
    text.kind = ReadIniValue(SettingsSection, KeyBgmKind, file);
    text.repeatTrack = ReadIniValue(SettingsSection, KeyBgmRepeatTrack, file);
    text.file = ReadIniValue(SettingsSection, KeyBgmFile, file);
    ApplySettings(text, Forms::ProgramFolder());
}

} // namespace Morvex_B
