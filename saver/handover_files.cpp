#include "saver/handover_files.h"

#include <cstring>

namespace Morvex_B {

const char* const DesktopBitmapName = "Zandrel1.bmp";
const char* const LightBitmapName = "Zandrel2.bmp";
const char* const HandoverRoot = "C:";
const char* const RendererFileName = "Zandrel.dll";
const char* const RendererWindowTitle = "Zandrel_VC";
const char* const HandoverVariable = "ZANDREL_HANDOVER_DIR";

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

// Whether entry ("NAME=value") sets name; names are compared without regard to case, as the platform does.
bool setsName(const char* entry, const std::string& name) {
    for (size_t i = 0; i < name.size(); i++)
        if (entry[i] == '\0' || upper(entry[i]) != upper(name[i]))
            return false;
    return entry[name.size()] == '=';
}

} // namespace

std::string HandoverFile(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + "\\" + name;
}

std::string FolderForUse(const std::string& folder) {
    std::string trimmed = folder;
    while (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/'))
        trimmed.pop_back();
    if (!trimmed.empty() && trimmed.back() == ':')
        trimmed += '\\';
    return trimmed;
}

namespace {

// The block's entries with those of name replaced by entry (where the first stood) or, with an empty entry,
// left out; each entry ends in NUL, the block is not closed yet.
std::string entriesWith(const char* block, const std::string& name, const std::string& entry, bool& placed) {
    std::string result;
    placed = false;
    // Entries that start with "=" (the per-drive folders) are kept as they are.
    for (const char* p = block; p && *p; p += std::strlen(p) + 1) {
        if (*p != '=' && setsName(p, name)) {
            if (!placed && !entry.empty())
                result.append(entry).push_back('\0');
            placed = true;
            continue;
        }
        result.append(p).push_back('\0');
    }
    return result;
}

} // namespace

std::string EnvironmentBlockWith(const char* block, const std::string& name, const std::string& value) {
    const std::string entry = name + "=" + value;
    bool placed = false;
    std::string result = entriesWith(block, name, entry, placed);
    if (!placed)
        result.append(entry).push_back('\0');
    result.push_back('\0');
    return result;
}

std::string EnvironmentBlockWithout(const char* block, const std::string& name) {
    bool placed = false;
    std::string result = entriesWith(block, name, std::string(), placed);
    // An empty block still needs its two NULs.
    if (result.empty())
        result.push_back('\0');
    result.push_back('\0');
    return result;
}

std::string RendererPathIn(const std::string& saverFolder) {
    return HandoverFile(saverFolder, RendererFileName);
}

} // namespace Morvex_B
