#include "saver/win32_ini_file.h"

#include <windows.h>

namespace Morvex_B {

std::string ReadIniValue(const std::string& section, const std::string& key, const std::string& file) {
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

} // namespace Morvex_B
