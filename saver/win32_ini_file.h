#pragma once

#include <string>

namespace Morvex_B {

// One key of an initialisation file through the ANSI profile functions, so the bytes of section, key and
// value pass unchanged whatever the code page. A missing file, section or key reads as empty; a value is
// cut to 255 bytes.
std::string ReadIniValue(const std::string& section, const std::string& key, const std::string& file);
// The result is not examined: a setting that cannot be written is simply not kept.
void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file);

} // namespace Morvex_B
