#pragma once

#include <string>

namespace Morvex_B {

// The settings file: "Zandrel.ini" beside the saver when the saver's folder can be written, otherwise
// "Zandrel\Zandrel.ini" in the user's application-data folder (a saver in the system folder cannot keep
// its file beside it). With no application-data folder known, the file beside the saver is the only one.
std::string ChooseSettingsFile(const std::string& saverFolder, bool saverFolderWritable,
                               const std::string& appDataFolder);

// The folder that ChooseSettingsFile's fallback file lives in.
std::string FallbackSettingsFolder(const std::string& appDataFolder);

} // namespace Morvex_B
