#include "image/image.h"
#include "image/image_limits.h"

#include "util/scalar.h"

#include <cstdlib>

bool Image::toGrayScale(bool useRGBA, bool shrink) {
    // Only the byte formats: the grey result is one byte per pixel.
    if (format != RGB8 && format != RGBA8)
        return false;
    if (pixels == nullptr)
        return false;
    int step = getBytesPerPixel(format);
    int count = getPixelCount(0, nMipMaps);
    int red = useRGBA ? 0 : 2;
    int blue = 2 - red;
    const unsigned char* src = pixels;
    for (int i = 0; i < count; i++, src += step)
        pixels[i] = (unsigned char)((77 * src[red] + 151 * src[1] + 28 * src[blue] + 128) >> 8);
    format = I8;
    if (shrink && count > 0 && ownsPixels) {
        unsigned char* shrunk = static_cast<unsigned char*>(std::realloc(pixels, size_t(count)));
        if (shrunk != nullptr)
            pixels = shrunk;
    }
    return true;
}

bool Image::toNormalMap(bool useRGBA, bool heightInAlpha) {
    if (format != I8 || pixels == nullptr)
        return false;
    PixelFormat target = heightInAlpha ? RGBA8 : RGB8;
    size_t bytes = size_t(getMipMappedSize(0, nMipMaps, target));
    unsigned char* normals = static_cast<unsigned char*>(std::malloc(bytes > 0 ? bytes : 1));
    if (normals == nullptr)
        return false;
    int step = getBytesPerPixel(target);
    int red = useRGBA ? 0 : 2;
    int blue = 2 - red;
    unsigned char* dst = normals;
    for (int level = 0; level < nMipMaps; level++) {
        const unsigned char* src = getPixels(level);
        int w = getWidth(level), h = getHeight(level);
        for (int y = 0; y < h; y++) {
            const unsigned char* rowU = src + size_t((y + h - 1) % h) * w;
            const unsigned char* rowC = src + size_t(y) * w;
            const unsigned char* rowD = src + size_t((y + 1) % h) * w;
            for (int x = 0; x < w; x++) {
                int l = (x + w - 1) % w, r = (x + 1) % w;
                int dx = rowU[l] + 2 * rowC[l] + rowD[l] - rowU[r] - 2 * rowC[r] - rowD[r];
                int dy = rowU[l] + 2 * rowU[x] + rowU[r] - rowD[l] - 2 * rowD[x] - rowD[r];
                int g = int(fastInvSqrt(float(dx * dx + dy * dy + 65536)) * 1044480.0f);
                dst[red] = (unsigned char)((dx * g + 1044480) >> 13);
                dst[1] = (unsigned char)((dy * g + 1044480) >> 13);
                dst[blue] = (unsigned char)((g + 4080) >> 5);
                if (heightInAlpha)
                    dst[3] = rowC[x];
                dst += step;
            }
        }
    }
    free();
    pixels = normals;
    format = target;
    return true;
}
