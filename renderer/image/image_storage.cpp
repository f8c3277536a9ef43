#include "image/image_storage.h"

#include <cstdlib>
#include <cstring>

unsigned char* regrowPixels(unsigned char* pixels, bool ownsPixels, size_t keep, size_t bytes) {
    if (ownsPixels)
        return static_cast<unsigned char*>(std::realloc(pixels, bytes));
    unsigned char* grown = static_cast<unsigned char*>(std::malloc(bytes));
    if (grown != nullptr && pixels != nullptr)
        std::memcpy(grown, pixels, keep < bytes ? keep : bytes);
    return grown;
}
