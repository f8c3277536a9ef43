#include "util/text_string.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
uint32_t boundedLength(const char* text, uint32_t n) {
    uint32_t k = 0;
    while (k < n && text[k] != 0)
        k++;
    return k;
}
} // namespace

String::String() : data((char*)std::malloc(32)), length(0), capacity(32) {
    data[0] = 0;
}

String::String(const char* text) {
    length = (uint32_t)std::strlen(text);
    capacity = length + 1;
    data = (char*)std::malloc(capacity);
    std::memcpy(data, text, capacity);
}

String::String(uint32_t capacity_) : length(0), capacity(capacity_ ? capacity_ : 1) {
    data = (char*)std::malloc(capacity);
    data[0] = 0;
}

String::String(const String& other) : length(other.length), capacity(other.capacity) {
    data = (char*)std::malloc(capacity);
    std::memcpy(data, other.data, length + 1);
}

String& String::operator=(const String& other) {
    if (this != &other)
        assign(other.data);
    return *this;
}

String::~String() {
    std::free(data);
}

void String::reserve(uint32_t needed, bool keep) {
    if (needed < capacity)
        return;
    uint32_t grown = capacity;
    do {
        grown = grown > 0x7FFFFFFFu ? needed : grown * 2;
    } while (grown < needed);
    if (keep) {
        data = (char*)std::realloc(data, grown);
    } else {
        // The new buffer is filled before the old one goes, so assigning a string its own text works.
        char* fresh = (char*)std::malloc(grown);
        fresh[0] = 0;
        std::free(data);
        data = fresh;
    }
    capacity = grown;
}

void String::assign(const char* text) {
    uint32_t n = (uint32_t)std::strlen(text);
    if (n + 1 >= capacity) {
        char* copy = (char*)std::malloc(n + 1);
        std::memcpy(copy, text, n + 1);
        reserve(n + 1, false);
        std::memcpy(data, copy, n + 1);
        std::free(copy);
    } else {
        std::memmove(data, text, n + 1);
    }
    length = n;
}

void String::append(const char* text) {
    append(text, 0xFFFFFFFFu);
}

void String::append(const char* text, uint32_t n) {
    uint32_t k = boundedLength(text, n);
    if (length + k + 1 >= capacity) {
        // The source may lie inside this string's own buffer.
        if (text >= data && text < data + capacity) {
            uint32_t offset = (uint32_t)(text - data);
            reserve(length + k + 1, true);
            text = data + offset;
        } else {
            reserve(length + k + 1, true);
        }
    }
    std::memmove(data + length, text, k);
    length += k;
    data[length] = 0;
}

String String::operator+(const char* text) const {
    String sum((uint32_t)(length + std::strlen(text) + 1));
    sum.assign(data);
    sum.append(text);
    return sum;
}

namespace {
template <typename T> void appendConversion(String& out, const char* conversion, T value) {
    char buffer[256];
    int n = std::snprintf(buffer, sizeof buffer, conversion, value);
    if (n < 0)
        return;
    if ((size_t)n < sizeof buffer) {
        out.append(buffer, (uint32_t)n);
        return;
    }
    // Longer than the local buffer (a "%f" of a huge double): format into exactly enough heap space.
    char* big = (char*)std::malloc((size_t)n + 1);
    std::snprintf(big, (size_t)n + 1, conversion, value);
    out.append(big, (uint32_t)n);
    std::free(big);
}
} // namespace

void appendFormat(String& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* p = format;
    for (;;) {
        const char* run = p;
        while (*p != 0 && *p != '%')
            p++;
        if (p > run)
            out.append(run, (uint32_t)(p - run));
        if (*p == 0)
            break;
        char kind = p[1];
        switch (kind) {
        case '%':
            out.append("%", 1);
            break;
        case 'd':
            appendConversion(out, "%d", va_arg(args, int));
            break;
        case 'x':
            appendConversion(out, "%x", va_arg(args, unsigned int));
            break;
        case 'X':
            appendConversion(out, "%X", va_arg(args, unsigned int));
            break;
        case 'f':
            appendConversion(out, "%f", va_arg(args, double));
            break;
        case 'g':
            appendConversion(out, "%g", va_arg(args, double));
            break;
        case 's':
            out.append(va_arg(args, const char*));
            break;
        default:
            break;
        }
        if (kind == 0)
            break; // a '%' at the very end is dropped
        p += 2;
    }
    va_end(args);
}
