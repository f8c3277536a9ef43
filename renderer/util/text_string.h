#pragma once

#include <cstdint>

// NUL-terminated string on malloc'd storage. The capacity doubles (at least once) whenever the new text
// plus its NUL would reach it.
class String {
public:
    String();
    String(const char* text);
    explicit String(uint32_t capacity);
    String(const String& other);
    String& operator=(const String& other);
    ~String();

    void assign(const char* text);
    void assign(const String& other) { assign(other.data); }
    void append(const char* text);
    void append(const char* text, uint32_t n);

    uint32_t getLength() const { return length; }
    uint32_t getCapacity() const { return capacity; }
    const char* getText() const { return data; }
    char& operator[](uint32_t i) { return data[i]; }
    char operator[](uint32_t i) const { return data[i]; }

    String operator+(const char* text) const;

private:
    friend void appendFormat(String& out, const char* format, ...);
    // Room for at least needed bytes; with keep, the text stays in place (append), otherwise it is dropped.
    void reserve(uint32_t needed, bool keep);

    char* data;
    uint32_t length;
    uint32_t capacity;
};

// Appends the formatted text: %% %d %x %X %f %g %s; any other pair after '%' is dropped. No widths or
// precisions.
void appendFormat(String& out, const char* format, ...);
