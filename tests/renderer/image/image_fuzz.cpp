#include "image/image.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// The readers take file names, so each input goes through a file of the format's extension.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/image_fuzz_" + std::to_string(getpid()) + IMAGE_EXTENSION;
    static const bool cleanUp = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)cleanUp;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    for (int mode = 0; mode <= 2; mode += 2) {
        Image image;
        if (image.loadImage(path.c_str(), mode == 0, mode) && image.decompress(true))
            image.toGrayScale(true, true);
    }
    return 0;
}
