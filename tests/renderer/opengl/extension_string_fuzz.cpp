// Extension strings come from the driver: any bytes, split into a string and a name, must match without
// reading past either.
#include "opengl/extension_string.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* split = static_cast<const uint8_t*>(memchr(data, '\n', size));
    const size_t nameLength = split ? (size_t)(split - data) : size;
    const std::string name(reinterpret_cast<const char*>(data), nameLength);
    const std::string extensions =
        split ? std::string(reinterpret_cast<const char*>(split + 1), size - nameLength - 1) : std::string();
    const bool found = isExtensionSupported(extensions.c_str(), name.c_str());
    // A match means the name occurs as written.
    if (found && extensions.find(name.c_str()) == std::string::npos) {
        __builtin_trap();
    }
    return 0;
}
