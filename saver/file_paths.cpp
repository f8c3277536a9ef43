#include "saver/file_paths.h"

#include <cstdio>

namespace Morvex_B {

bool FileExists(const std::string& path) {
    std::string name = path;
    if (!name.empty() && name.back() == '\\')
        name.pop_back();
    if (name.empty())
        return false;
    FILE* file = std::fopen(name.c_str(), "rb");
    if (!file)
        return false;
    // Some C libraries open folders; reading one fails where an empty file just ends.
    std::fgetc(file);
    const bool readable = !std::ferror(file);
    std::fclose(file);
    return readable;
}

std::string FolderOf(const std::string& path) {
    const size_t last = path.find_last_of(":\\");
    if (last == std::string::npos)
        return std::string();
    std::string folder = path.substr(0, last + 1);
    if (folder.back() == '\\')
        folder.pop_back();
    return folder;
}

} // namespace Morvex_B
