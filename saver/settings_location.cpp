#include "saver/settings_location.h"

namespace Morvex_B {

namespace {

std::string join(const std::string& folder, const char* name) {
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

} // namespace

std::string FallbackSettingsFolder(const std::string& appDataFolder) {
    return join(appDataFolder, "Zandrel");
}

std::string ChooseSettingsFile(const std::string& saverFolder, bool saverFolderWritable,
                               const std::string& appDataFolder) {
    if (saverFolderWritable || appDataFolder.empty())
        return join(saverFolder, "Zandrel.ini");
    return join(FallbackSettingsFolder(appDataFolder), "Zandrel.ini");
}

} // namespace Morvex_B
