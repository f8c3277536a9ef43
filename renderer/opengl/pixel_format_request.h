#pragma once

#include <cstdint>

// What the window's pixel format should offer; filled with the defaults, then offered to
// App::configurePixelFormat before the format is chosen.
struct PixelFormatRequest {
    int32_t redBits;
    int32_t greenBits;
    int32_t blueBits;
    int32_t alphaBits;
    int32_t depthBits;
    int32_t stencilBits;
    // Samples per pixel for multisampling; 0 means none.
    int32_t samples;
};

// 8-8-8-8 colour, 24-bit depth, no stencil, no multisampling.
void getDefaultPixelFormat(PixelFormatRequest& request);

const int PIXEL_FORMAT_ATTRIBUTE_CAPACITY = 256;

// Writes the integer attribute list for the ARB pixel-format choice, terminated by 0, into attributes
// (room for PIXEL_FORMAT_ATTRIBUTE_CAPACITY values). The sample attributes appear only with samples > 0
// on a driver with the multisample extension. Returns the number of values written, the 0 included.
int buildPixelFormatAttributes(const PixelFormatRequest& request, bool multisampleSupported, int* attributes);
