#include "saver/forms/bmp_file.h"

#include <cstdio>

namespace Forms {

namespace {

void put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = (uint8_t)v;
    out[at + 1] = (uint8_t)(v >> 8);
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

const size_t HeaderSize = 14 + 40;

} // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, const uint8_t* bgrx, size_t stride) {
    if (width <= 0 || height <= 0 || !bgrx)
        return std::vector<uint8_t>();
    const size_t rowSize = ((size_t)width * 3 + 3) & ~(size_t)3;
    const size_t imageSize = rowSize * (size_t)height;
    std::vector<uint8_t> out(HeaderSize + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, (uint32_t)out.size());
    put32(out, 10, (uint32_t)HeaderSize);
    put32(out, 14, 40);
    put32(out, 18, (uint32_t)width);
    put32(out, 22, (uint32_t)height);
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, (uint32_t)imageSize);
    put32(out, 38, 3780); // 96 dots per inch
    put32(out, 42, 3780);
    for (int y = 0; y < height; y++) {
        const uint8_t* source = bgrx + (size_t)(height - 1 - y) * stride;
        uint8_t* row = out.data() + HeaderSize + (size_t)y * rowSize;
        for (int x = 0; x < width; x++) {
            row[x * 3] = source[x * 4];
            row[x * 3 + 1] = source[x * 4 + 1];
            row[x * 3 + 2] = source[x * 4 + 2];
        }
    }
    return out;
}

bool WriteBmp24File(const std::string& path, int width, int height, const uint8_t* bgrx, size_t stride) {
    const std::vector<uint8_t> bytes = EncodeBmp24(width, height, bgrx, stride);
    if (bytes.empty())
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace Forms
