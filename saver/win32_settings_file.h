#pragma once

#include <string>

namespace Morvex_B {

// Whether a new file can be made in folder (a probe file is made and removed again).
bool FolderWritable(const std::string& folder);

// The user's application-data folder, or empty when the platform names none.
std::string AppDataFolder();

// The settings file of this saver: beside it when its folder can be written, otherwise in the user's
// application-data folder (whose "Zandrel" folder is made on the way). Reading and writing both use it.
std::string SettingsFilePath();
// The same for a saver in saverFolder.
std::string SettingsFilePathFor(const std::string& saverFolder);

// Fills BgmKind, BgmRepeatTrack, BgmFile and BgmFolder from the settings file.
void LoadSettings();

} // namespace Morvex_B
