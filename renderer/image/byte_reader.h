#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Reads little-endian fields from a block of bytes without ever stepping outside it. A read past the end
// yields zeros and marks the reader failed; parsers check ok() before trusting what they read.
class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : data(data), size(size) {}

    bool ok() const { return !failed; }
    size_t position() const { return pos; }
    size_t remaining() const { return size - pos; }

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32() { return int32_t(u32()); }

    // The next n bytes, or null (and failed) when fewer remain.
    const unsigned char* bytes(size_t n);
    bool skip(size_t n) { return bytes(n) != nullptr || n == 0; }
    bool seek(size_t offset);

private:
    const unsigned char* data;
    size_t size;
    size_t pos = 0;
    bool failed = false;
};

// A whole file in memory, read in one go; the file is closed before read() returns. Or, for large files
// whose bulk goes straight to its destination, only the head in memory and the rest through readAt();
// the file is then closed by close() or the destructor.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    // False when the file cannot be opened or read, or is larger than maxBytes.
    bool read(const char* fileName, long maxBytes);
    // Keeps the first headBytes (or fewer, in a shorter file) in memory and the file open.
    bool readHead(const char* fileName, long maxBytes, size_t headBytes);
    // n bytes at offset of the file opened by readHead; false when they are not all there.
    bool readAt(size_t offset, unsigned char* out, size_t n);
    size_t fileSize() const { return total; }
    void close();

    const unsigned char* data() const { return bytes; }
    size_t size() const { return count; }
    ByteReader reader() const { return ByteReader(bytes, count); }

private:
    bool open(const char* fileName, long maxBytes);
    bool readFront(size_t n);

    FILE* file = nullptr;
    unsigned char* bytes = nullptr;
    size_t count = 0;
    size_t total = 0;
};
