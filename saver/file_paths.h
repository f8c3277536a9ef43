#pragma once

#include <string>

namespace Morvex_B {

// Whether the file at path can be opened for reading. A folder is no file, with or without a trailing
// backslash; an empty path gives false.
bool FileExists(const std::string& path);

// The folder part of path: the text before its last colon or backslash, the colon kept and the
// backslash dropped. "C:\Music\a.mp3" gives "C:\Music", "C:\a.mp3" gives "C:", "a.mp3" gives "".
std::string FolderOf(const std::string& path);

} // namespace Morvex_B
