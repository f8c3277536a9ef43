#pragma once

#include "image/pixel_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Files are hostile: any size a reader takes from one is checked against these bounds before anything
// is allocated, so that no size product can overflow and no small file can demand a huge block.
const int MAX_IMAGE_DIMENSION = 16384;
const size_t MAX_IMAGE_BYTES = size_t(256) << 20;
const long MAX_IMAGE_FILE_BYTES = long(256) << 20;

// Bytes of the whole chain (or level 0 only) of a width by height image, or 0 when the dimensions are not
// positive, exceed MAX_IMAGE_DIMENSION or the block would exceed MAX_IMAGE_BYTES.
size_t checkedImageBytes(int width, int height, PixelFormat format, bool wholeChain);

// Best expansion of coded data: deflate's (PNG), and one bit per 8 x 8 block of the full-resolution
// component (Huffman-coded JPEG), in decoded bytes or pixels per byte of file.
const uint64_t DEFLATE_BEST_RATIO = 1032;
const uint64_t JPEG_BEST_PIXELS_PER_BYTE = 512;

// False when fileBytes of coded data could not decode to decoded units even at the best ratio: such a
// header lies, and no block is reserved for it.
bool codedSizeAdmits(uint64_t fileBytes, uint64_t decoded, uint64_t bestRatio);

// The size of an open file, its position kept; -1 when it cannot be told.
long openFileSize(std::FILE* file);
