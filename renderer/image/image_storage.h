#pragma once

#include <cstddef>

// Gives an image a block of at least bytes bytes that keeps the first keep bytes of the old one. The old
// block is released only when the image owned it. Null when the allocation fails (the old block stays).
unsigned char* regrowPixels(unsigned char* pixels, bool ownsPixels, size_t keep, size_t bytes);
