#include "image/image.h"
#include "image/image_limits.h"

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {
// Source position in 8.8 fixed point of output index i out of n over a source of size pixels.
int64_t sourcePosition(int i, int n, int size) {
    if (n <= 1)
        return 0;
    return int64_t(i) * (size - 1) * 256 / (n - 1);
}

// Bilinear weights are separable: blending each row horizontally first and then the two rows vertically
// gives exactly the four-weight sum, and a blended source row serves every output row that reads it.
// The channel count is a template argument so that the per-pixel loop unrolls.
template <typename T, int channels>
void blendRow(const T* row, const std::vector<int>& columns, uint32_t* out) {
    size_t n = columns.size() / 2;
    for (size_t x = 0; x < n; x++) {
        const T* p0 = row + columns[2 * x];
        uint32_t fx = uint32_t(columns[2 * x + 1]);
        // A neighbour of weight 0 is not read: it may lie past the row's end.
        const T* p1 = fx != 0 ? p0 + channels : p0;
        for (int k = 0; k < channels; k++)
            *out++ = (256 - fx) * p0[k] + fx * p1[k];
    }
}

template <typename T, int channels> void resample(const T* src, int w, int h, T* dst, int nw, int nh) {
    std::vector<int> columns(size_t(nw) * 2);
    for (int x = 0; x < nw; x++) {
        int64_t c = sourcePosition(x, nw, w);
        columns[2 * x] = int(c >> 8) * channels;
        columns[2 * x + 1] = int(c & 255);
    }
    size_t rowValues = size_t(nw) * channels;
    std::vector<uint32_t> blended(rowValues * 2);
    uint32_t* rows[2] = {blended.data(), blended.data() + rowValues};
    int rowOf[2] = {-1, -1};
    for (int y = 0; y < nh; y++) {
        int64_t a = sourcePosition(y, nh, h);
        // The last row steps back a little so that its lower neighbour stays inside a picture taller than
        // one row; a single-row source has no row to step back to.
        if (y == nh - 1 && a > 0)
            a--;
        int r = int(a >> 8);
        uint32_t fy = uint32_t(a & 255);
        // Row r in slot 0 and the row below (if it has weight) in slot 1, reusing what the last row blended.
        int needed[2] = {r, fy != 0 ? r + 1 : r};
        if (rowOf[0] != needed[0] && rowOf[1] == needed[0]) {
            std::swap(rows[0], rows[1]);
            std::swap(rowOf[0], rowOf[1]);
        }
        for (int i = 0; i < 2; i++) {
            if (rowOf[i] != needed[i]) {
                blendRow<T, channels>(src + size_t(needed[i]) * w * channels, columns, rows[i]);
                rowOf[i] = needed[i];
            }
        }
        const uint32_t* top = rows[0];
        const uint32_t* bottom = rows[1];
        for (size_t i = 0; i < rowValues; i++)
            dst[i] = T(((256 - fy) * top[i] + fy * bottom[i]) >> 16);
        dst += rowValues;
    }
}

template <typename T>
void resampleChannels(const T* src, int w, int h, T* dst, int nw, int nh, int channels) {
    switch (channels) {
    case 1:
        resample<T, 1>(src, w, h, dst, nw, nh);
        break;
    case 2:
        resample<T, 2>(src, w, h, dst, nw, nh);
        break;
    case 3:
        resample<T, 3>(src, w, h, dst, nw, nh);
        break;
    default:
        resample<T, 4>(src, w, h, dst, nw, nh);
        break;
    }
}
} // namespace

bool Image::resize(int newWidth, int newHeight) {
    if (!isPlainFormat(format) || isFloatFormat(format) || format == None || pixels == nullptr)
        return false;
    size_t bytes = checkedImageBytes(newWidth, newHeight, format, false);
    if (bytes == 0)
        return false;
    unsigned char* resized = static_cast<unsigned char*>(std::malloc(bytes));
    if (resized == nullptr)
        return false;
    int channels = getChannelCount(format);
    if (format <= RGBA8)
        resampleChannels<unsigned char>(pixels, width, height, resized, newWidth, newHeight, channels);
    else
        resampleChannels<uint16_t>(reinterpret_cast<const uint16_t*>(pixels), width, height,
                                   reinterpret_cast<uint16_t*>(resized), newWidth, newHeight, channels);
    free();
    pixels = resized;
    width = newWidth;
    height = newHeight;
    nMipMaps = 1;
    return true;
}
