#include "scene/handover_paths.h"

#include <cstdlib>
#include <cstring>

const char* const handoverClothFile = "Zandrel1.bmp";
const char* const handoverSpriteFile = "Zandrel2.bmp";
const char* const handoverFolderVariable = "ZANDREL_HANDOVER_DIR";

String handoverPath(const char* folder, const char* fileName) {
    if (folder == nullptr || folder[0] == '\0')
        return String("C:\\") + fileName;
    String path(folder);
    char last = folder[std::strlen(folder) - 1];
    if (last != '\\' && last != '/')
        path.append("\\");
    path.append(fileName);
    return path;
}

String handoverPathFromEnvironment(const char* fileName) {
    return handoverPath(std::getenv(handoverFolderVariable), fileName);
}
