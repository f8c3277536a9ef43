#include "image/image.h"
#include "image/image_limits.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <png.h>

namespace {
const size_t SIGNATURE_BYTES = 8;

void failRead(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Everything the error path must release lives here, on the heap: locals changed after setjmp would
// have no reliable value after the library jumps back.
struct PngRead {
    FILE* file;
    png_structp png;
    png_infop info;
    png_bytep* rows;
    unsigned char* indices;
};

void release(PngRead* read) {
    if (read->png != nullptr)
        png_destroy_read_struct(&read->png, read->info != nullptr ? &read->info : nullptr, nullptr);
    std::free(read->rows);
    std::free(read->indices);
    std::fclose(read->file);
    std::free(read);
}

} // namespace

bool Image::loadPNG(const char* fileName, bool /*useRGBA*/, bool allocateChain) {
    FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr)
        return false;
    png_byte signature[SIGNATURE_BYTES];
    if (std::fread(signature, 1, SIGNATURE_BYTES, file) != SIGNATURE_BYTES ||
        png_sig_cmp(signature, 0, SIGNATURE_BYTES) != 0) {
        std::fclose(file);
        return false;
    }
    PngRead* read = static_cast<PngRead*>(std::calloc(1, sizeof(PngRead)));
    if (read == nullptr) {
        std::fclose(file);
        return false;
    }
    read->file = file;
    read->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failRead, ignoreWarning);
    if (read->png == nullptr) {
        release(read);
        return false;
    }
    read->info = png_create_info_struct(read->png);
    if (read->info == nullptr) {
        release(read);
        return false;
    }
    if (setjmp(png_jmpbuf(read->png))) {
        release(read);
        return false;
    }
    png_set_user_limits(read->png, MAX_IMAGE_DIMENSION, MAX_IMAGE_DIMENSION);
    // The library reserves a chunk's declared length before reading it, and only warns when that length
    // exceeds any limit: ancillary chunks (none of which the pixels need) are therefore skipped unread.
    png_set_keep_unknown_chunks(read->png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_init_io(read->png, read->file);
    png_set_sig_bytes(read->png, int(SIGNATURE_BYTES));
    png_read_info(read->png, read->info);
    png_uint_32 w, h;
    int bitDepth, colourType;
    png_get_IHDR(read->png, read->info, &w, &h, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    PixelFormat newFormat = get8BitFormat(png_get_channels(read->png, read->info));
    bool paletted = colourType == PNG_COLOR_TYPE_PALETTE;
    PixelFormat decoded = paletted ? RGB8 : newFormat;
    if (newFormat == None || checkedImageBytes(int(w), int(h), decoded, false) == 0) {
        release(read);
        return false;
    }
    // The rows as stored (before any expansion) must fit in what the file's compressed data can give.
    long fileBytes = openFileSize(read->file);
    uint64_t storedBytes = uint64_t(png_get_rowbytes(read->png, read->info)) * h;
    if (fileBytes < 0 || !codedSizeAdmits(uint64_t(fileBytes), storedBytes, DEFLATE_BEST_RATIO)) {
        release(read);
        return false;
    }

    // One byte per sample whatever the file stores, so that rows are width times channels bytes.
    if (bitDepth == 16)
        png_set_strip_16(read->png);
    if (bitDepth < 8 && paletted)
        png_set_packing(read->png);
    if (bitDepth < 8 && !paletted)
        png_set_expand_gray_1_2_4_to_8(read->png);
    png_set_interlace_handling(read->png);
    png_read_update_info(read->png, read->info);
    size_t rowBytes = size_t(w) * size_t(getChannelCount(newFormat));
    if (png_get_rowbytes(read->png, read->info) != rowBytes) {
        release(read);
        return false;
    }

    unsigned char* target;
    if (paletted) {
        read->indices = static_cast<unsigned char*>(std::malloc(rowBytes * h));
        target = read->indices;
    } else {
        if (!allocateLevels(int(w), int(h), newFormat, allocateChain)) {
            release(read);
            return false;
        }
        target = pixels;
    }
    read->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (target == nullptr || read->rows == nullptr) {
        release(read);
        return false;
    }
    for (png_uint_32 y = 0; y < h; y++)
        read->rows[y] = target + rowBytes * y;
    png_read_image(read->png, read->rows);
    png_read_end(read->png, nullptr);

    bool ok = true;
    if (paletted) {
        png_colorp palette = nullptr;
        int paletteSize = 0;
        ok = png_get_PLTE(read->png, read->info, &palette, &paletteSize) != 0 &&
             allocateLevels(int(w), int(h), RGB8, allocateChain);
        size_t count = size_t(w) * h;
        for (size_t i = 0; ok && i < count; i++) {
            // An index past the palette has no colour.
            if (read->indices[i] >= paletteSize) {
                ok = false;
                break;
            }
            const png_color& c = palette[read->indices[i]];
            pixels[3 * i] = c.red;
            pixels[3 * i + 1] = c.green;
            pixels[3 * i + 2] = c.blue;
        }
    }
    release(read);
    return ok;
}
