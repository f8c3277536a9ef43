#include "image/byte_reader.h"

#include <cstdio>
#include <cstdlib>

uint8_t ByteReader::u8() {
    const unsigned char* p = bytes(1);
    return p != nullptr ? p[0] : 0;
}

uint16_t ByteReader::u16() {
    const unsigned char* p = bytes(2);
    return p != nullptr ? uint16_t(p[0] | (p[1] << 8)) : 0;
}

uint32_t ByteReader::u32() {
    const unsigned char* p = bytes(4);
    return p != nullptr
               ? uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24)
               : 0;
}

const unsigned char* ByteReader::bytes(size_t n) {
    if (failed || n > size - pos) {
        failed = true;
        return nullptr;
    }
    const unsigned char* p = data + pos;
    pos += n;
    return p;
}

bool ByteReader::seek(size_t offset) {
    if (failed || offset > size) {
        failed = true;
        return false;
    }
    pos = offset;
    return true;
}

FileBytes::~FileBytes() {
    close();
    std::free(bytes);
}

void FileBytes::close() {
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}

bool FileBytes::open(const char* fileName, long maxBytes) {
    close();
    std::free(bytes);
    bytes = nullptr;
    count = 0;
    total = 0;
    file = std::fopen(fileName, "rb");
    if (file == nullptr)
        return false;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        length = std::ftell(file);
    if (length < 0 || length > maxBytes || std::fseek(file, 0, SEEK_SET) != 0) {
        close();
        return false;
    }
    total = size_t(length);
    return true;
}

bool FileBytes::readFront(size_t n) {
    // Exactly the bytes read, so that a sanitizer catches any read past their end.
    bytes = static_cast<unsigned char*>(std::malloc(n > 0 ? n : 1));
    if (bytes == nullptr || std::fread(bytes, 1, n, file) != n) {
        std::free(bytes);
        bytes = nullptr;
        return false;
    }
    count = n;
    return true;
}

bool FileBytes::read(const char* fileName, long maxBytes) {
    bool ok = open(fileName, maxBytes) && readFront(total);
    close();
    return ok;
}

bool FileBytes::readHead(const char* fileName, long maxBytes, size_t headBytes) {
    if (!open(fileName, maxBytes))
        return false;
    if (!readFront(total < headBytes ? total : headBytes)) {
        close();
        return false;
    }
    return true;
}

bool FileBytes::readAt(size_t offset, unsigned char* out, size_t n) {
    if (file == nullptr || offset > total || n > total - offset)
        return false;
    return std::fseek(file, long(offset), SEEK_SET) == 0 && std::fread(out, 1, n, file) == n;
}
