#include "util/tokenizer.h"

#include "util/char_class.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

Tokenizer::Tokenizer(uint32_t resultBuffers) {
    if (resultBuffers == 0)
        resultBuffers = 1;
    for (uint32_t i = 0; i < resultBuffers; i++)
        slots.add(Slot{nullptr, 0});
    slotIndex = resultBuffers - 1; // the first result goes into buffer 0
}

Tokenizer::~Tokenizer() {
    for (uint32_t i = 0; i < slots.getCount(); i++)
        std::free(slots[i].data);
    std::free(text);
}

void Tokenizer::replaceText(char* newText, uint32_t newLength) {
    std::free(text);
    text = newText;
    length = newLength;
    tokenStart = 0;
    position = 0;
}

void Tokenizer::setText(const char* source) {
    size_t n = std::strlen(source);
    char* copy = (char*)std::malloc(n + 1);
    std::memcpy(copy, source, n + 1);
    replaceText(copy, (uint32_t)n);
}

bool Tokenizer::loadFile(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    size_t size = 0, room = 4096;
    char* buffer = (char*)std::malloc(room + 1);
    for (;;) {
        size_t got = std::fread(buffer + size, 1, room - size, file);
        size += got;
        if (size < room)
            break;
        if (room >= 0x7FFFFFFFu) // a text larger than 2 GiB cannot be addressed by 32-bit positions
            break;
        room *= 2;
        buffer = (char*)std::realloc(buffer, room + 1);
    }
    bool ok = !std::ferror(file) && size < 0x7FFFFFFFu;
    std::fclose(file);
    if (!ok) {
        std::free(buffer);
        return false;
    }
    buffer[size] = 0;
    replaceText(buffer, (uint32_t)size);
    return true;
}

const char* Tokenizer::store(uint32_t start, uint32_t end) {
    slotIndex = (slotIndex + 1) % slots.getCount();
    Slot& slot = slots[slotIndex];
    uint32_t n = end - start;
    if (slot.capacity < n + 1) {
        slot.data = (char*)std::realloc(slot.data, n + 1);
        slot.capacity = n + 1;
    }
    std::memcpy(slot.data, text + start, n);
    slot.data[n] = 0;
    return slot.data;
}

const char* Tokenizer::next(bool (*predicate)(char)) {
    tokenStart = position;
    while (tokenStart < length && isSpace(text[tokenStart]))
        tokenStart++;
    position = tokenStart + 1;
    if (tokenStart >= length) {
        position = length;
        return nullptr;
    }
    char first = text[tokenStart];
    if (isDigit(first)) {
        while (position < length && (isDigit(text[position]) || text[position] == '.'))
            position++;
    } else if (predicate(first)) {
        while (position < length && (predicate(text[position]) || isDigit(text[position])))
            position++;
    }
    return store(tokenStart, position);
}

const char* Tokenizer::nextLine() {
    if (position >= length)
        return nullptr;
    tokenStart = position;
    while (position < length && !isNewline(text[position]))
        position++;
    if (position < length) {
        char a = text[position];
        char b = position + 1 < length ? text[position + 1] : 0;
        position += (isNewline(b) && b != a) ? 2 : 1;
    }
    return store(tokenStart, position);
}
