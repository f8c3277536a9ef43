#include "opengl/extension_string.h"

#include <cstring>

bool isExtensionSupported(const char* extensionString, const char* name) {
    if (extensionString == nullptr || name == nullptr || *name == '\0') {
        return false;
    }
    const size_t nameLength = strlen(name);
    const char* position = extensionString;
    while ((position = strstr(position, name)) != nullptr) {
        position += nameLength;
        if (*position == ' ' || *position == '\0') {
            return true;
        }
    }
    return false;
}
