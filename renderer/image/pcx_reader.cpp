#include "image/byte_reader.h"
#include "image/image.h"
#include "image/image_limits.h"

#include <cstring>
#include <vector>

namespace {
const size_t HEADER_BYTES = 128;
const size_t PALETTE_BYTES = 768;

// Byte runs: b >= 0xC0 repeats the next byte b - 0xC0 times, any other byte stands for itself. The data
// must cover the whole picture; a run past its end is cut off there.
bool decodeRuns(const unsigned char* data, size_t size, unsigned char* out, size_t needed) {
    size_t in = 0, done = 0;
    while (done < needed) {
        if (in >= size)
            return false;
        unsigned b = data[in++];
        size_t n = 1;
        if (b >= 0xC0) {
            if (in >= size)
                return false;
            n = b - 0xC0;
            b = data[in++];
        }
        if (n > needed - done)
            n = needed - done;
        std::memset(out + done, int(b), n);
        done += n;
    }
    return true;
}
} // namespace

bool Image::loadPCX(const char* fileName, bool useRGBA, bool allocateChain) {
    FileBytes file;
    if (!file.read(fileName, MAX_IMAGE_FILE_BYTES))
        return false;
    ByteReader reader = file.reader();
    const unsigned char* header = reader.bytes(HEADER_BYTES);
    if (header == nullptr)
        return false;
    int bits = header[3];
    int w = (header[8] | (header[9] << 8)) + 1;
    int h = (header[10] | (header[11] << 8)) + 1;
    int planes = header[65];
    size_t bytesPerLine = header[66] | (header[67] << 8);
    int depth = planes * bits;
    if (depth != 8 && depth != 24)
        return false;
    if (checkedImageBytes(w, h, RGB8, false) == 0)
        return false;
    // Lines are padded to bytesPerLine in each plane; fewer than the width cannot hold a line.
    if (bytesPerLine < size_t(w))
        return false;

    const unsigned char* data = header + HEADER_BYTES;
    size_t dataBytes = reader.remaining();
    const unsigned char* palette = nullptr;
    if (depth == 8) {
        if (dataBytes < PALETTE_BYTES)
            return false;
        dataBytes -= PALETTE_BYTES;
        palette = data + dataBytes;
    }
    size_t lineBytes = bytesPerLine * (depth == 24 ? 3 : 1);
    size_t needed = lineBytes * size_t(h);
    // Two bytes expand to at most 63: reject what no file of this size could hold.
    if (needed > dataBytes * 32)
        return false;
    std::vector<unsigned char> decoded(needed);
    if (!decodeRuns(data, dataBytes, decoded.data(), needed))
        return false;

    if (!allocateLevels(w, h, RGB8, allocateChain))
        return false;
    for (int y = 0; y < h; y++) {
        const unsigned char* line = decoded.data() + size_t(y) * lineBytes;
        unsigned char* dst = pixels + size_t(y) * size_t(w) * 3;
        if (depth == 8) {
            for (int x = 0; x < w; x++, dst += 3) {
                const unsigned char* entry = palette + line[x] * 3;
                dst[0] = entry[useRGBA ? 0 : 2];
                dst[1] = entry[1];
                dst[2] = entry[useRGBA ? 2 : 0];
            }
        } else {
            for (int plane = 0; plane < 3; plane++) {
                int channel = useRGBA ? plane : 2 - plane;
                const unsigned char* src = line + size_t(plane) * bytesPerLine;
                for (int x = 0; x < w; x++)
                    dst[x * 3 + channel] = src[x];
            }
        }
    }
    return true;
}
