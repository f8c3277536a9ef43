#include "image_files.h"

#include <cstdio>

std::string fixturePath(const char* name) {
    return std::string(ZANDREL_IMAGE_FIXTURES) + "/" + name;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(uint8_t(c));
    std::fclose(file);
    return bytes;
}

std::string writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return path;
}

void put16(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    bytes[offset] = uint8_t(value);
    bytes[offset + 1] = uint8_t(value >> 8);
}

void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    put16(bytes, offset, value & 0xFFFF);
    put16(bytes, offset + 2, value >> 16);
}

std::vector<uint8_t> makeBmp(int width, int height, int bitCount, const std::vector<uint8_t>& pixelsTopDown) {
    size_t bpp = size_t(bitCount / 8);
    size_t rowBytes = size_t(width) * bpp;
    size_t stride = (rowBytes + 3) & ~size_t(3);
    std::vector<uint8_t> bytes(54 + stride * size_t(height), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, uint32_t(bytes.size()));
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, uint32_t(width));
    put32(bytes, 22, uint32_t(height));
    put16(bytes, 26, 1);
    put16(bytes, 28, uint32_t(bitCount));
    for (int y = 0; y < height; y++) {
        const uint8_t* src = pixelsTopDown.data() + size_t(height - 1 - y) * rowBytes;
        std::copy(src, src + rowBytes, bytes.begin() + 54 + size_t(y) * stride);
    }
    return bytes;
}
