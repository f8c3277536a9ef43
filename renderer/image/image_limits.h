#pragma once

#include "image/pixel_format.h"

#include <cstddef>

// Files are hostile: any size a reader takes from one is checked against these bounds before anything
// is allocated, so that no size product can overflow and no small file can demand a huge block.
const int MAX_IMAGE_DIMENSION = 16384;
const size_t MAX_IMAGE_BYTES = size_t(256) << 20;
const long MAX_IMAGE_FILE_BYTES = long(256) << 20;

// Bytes of the whole chain (or level 0 only) of a width by height image, or 0 when the dimensions are not
// positive, exceed MAX_IMAGE_DIMENSION or the block would exceed MAX_IMAGE_BYTES.
size_t checkedImageBytes(int width, int height, PixelFormat format, bool wholeChain);
