#include "image/image.h"
#include "image/image_limits.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {
// The library's own error exit ends the process; this one jumps back to the reader instead.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf recovery;
};

void exitOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->recovery, 1);
}

void stayQuiet(j_common_ptr) {}

} // namespace

bool Image::loadJPEG(const char* fileName, bool useRGBA, bool allocateChain) {
    FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr)
        return false;
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = exitOnError;
    errors.base.output_message = stayQuiet;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return false;
    }
    jpeg_create_decompress(&info);
    // Progressive files keep every coefficient in memory; no picture within the image limits needs more.
    info.mem->max_memory_to_use = long(MAX_IMAGE_BYTES) * 2;
    long fileBytes = openFileSize(file);
    jpeg_stdio_src(&info, file);
    bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    PixelFormat newFormat = get8BitFormat(info.num_components);
    if (ok)
        ok = newFormat != None &&
             checkedImageBytes(int(info.image_width), int(info.image_height), newFormat, false) != 0;
    // A short file is filled out with grey, but only up to what its size could have coded. Arithmetic
    // coding has no such floor.
    if (ok && !info.arith_code)
        ok = fileBytes >= 0 &&
             codedSizeAdmits(uint64_t(fileBytes), uint64_t(info.image_width) * info.image_height,
                             JPEG_BEST_PIXELS_PER_BYTE);
    if (ok) {
        jpeg_start_decompress(&info);
        ok = info.output_components == getChannelCount(newFormat) &&
             allocateLevels(int(info.output_width), int(info.output_height), newFormat, allocateChain);
    }
    if (ok) {
        size_t rowBytes = size_t(width) * size_t(info.output_components);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels + rowBytes * info.output_scanline;
            if (jpeg_read_scanlines(&info, &row, 1) != 1)
                break;
            if (!useRGBA && info.output_components >= 3)
                swapChannels(row, width, info.output_components);
        }
        ok = info.output_scanline == info.output_height;
        if (ok)
            jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return ok;
}
