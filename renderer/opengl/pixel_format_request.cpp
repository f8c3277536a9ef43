#include "opengl/pixel_format_request.h"

namespace {

// The attribute names of the ARB pixel-format interface.
const int DRAW_TO_WINDOW = 0x2001;
const int ACCELERATION = 0x2003;
const int FULL_ACCELERATION = 0x2027;
const int DOUBLE_BUFFER = 0x2011;
const int RED_BITS = 0x2015;
const int GREEN_BITS = 0x2017;
const int BLUE_BITS = 0x2019;
const int ALPHA_BITS = 0x201B;
const int DEPTH_BITS = 0x2022;
const int STENCIL_BITS = 0x2023;
const int SAMPLE_BUFFERS = 0x2041;
const int SAMPLES = 0x2042;

} // namespace

void getDefaultPixelFormat(PixelFormatRequest& request) {
    request.redBits = 8;
    request.greenBits = 8;
    request.blueBits = 8;
    request.alphaBits = 8;
    request.depthBits = 24;
    request.stencilBits = 0;
    request.samples = 0;
}

int buildPixelFormatAttributes(const PixelFormatRequest& request, bool multisampleSupported,
                               int* attributes) {
    int n = 0;
    const int pairs[][2] = {
        {DRAW_TO_WINDOW, 1},
        {ACCELERATION, FULL_ACCELERATION},
        {DOUBLE_BUFFER, 1},
        {RED_BITS, request.redBits},
        {GREEN_BITS, request.greenBits},
        {BLUE_BITS, request.blueBits},
        {ALPHA_BITS, request.alphaBits},
        {DEPTH_BITS, request.depthBits},
        {STENCIL_BITS, request.stencilBits},
    };
    for (const auto& pair : pairs) {
        attributes[n++] = pair[0];
        attributes[n++] = pair[1];
    }
    if (multisampleSupported && request.samples > 0) {
        attributes[n++] = SAMPLE_BUFFERS;
        attributes[n++] = 1;
        attributes[n++] = SAMPLES;
        attributes[n++] = request.samples;
    }
    attributes[n++] = 0;
    return n;
}
