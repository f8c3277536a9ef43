#include "png_writer.h"

#include <cstdio>

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((uint8_t)(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[5], const std::vector<uint8_t>& body) {
    PutBigEndian(out, (uint32_t)body.size());
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(&out[start], out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    size_t at = 0;
    do {
        const size_t size = raw.size() - at < 65535 ? raw.size() - at : 65535;
        const bool last = at + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back((uint8_t)size), out.push_back((uint8_t)(size >> 8));
        out.push_back((uint8_t)~size), out.push_back((uint8_t)(~size >> 8));
        out.insert(out.end(), raw.begin() + (ptrdiff_t)at, raw.begin() + (ptrdiff_t)(at + size));
        at += size;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw)
        a = (a + byte) % 65521, b = (b + a) % 65521;
    PutBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

std::vector<uint8_t> EncodePngRgb(int width, int height, const uint8_t* rgb) {
    if (width <= 0 || height <= 0 || !rgb)
        return {};
    std::vector<uint8_t> raw;
    raw.reserve((size_t)height * ((size_t)width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        const uint8_t* row = rgb + (size_t)y * width * 3;
        raw.insert(raw.end(), row, row + (size_t)width * 3);
    }
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian(header, (uint32_t)width);
    PutBigEndian(header, (uint32_t)height);
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

bool WritePngFile(const std::string& path, int width, int height, const uint8_t* rgb) {
    const std::vector<uint8_t> png = EncodePngRgb(width, height, rgb);
    if (png.empty())
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool whole = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && whole;
}
