#pragma once

#include "util/array.h"

#include <cstdint>

// Splits text into numbers, identifiers and single punctuation characters. Results go round-robin into N
// buffers, so a returned pointer stays valid until N further results have been produced.
class Tokenizer {
public:
    explicit Tokenizer(uint32_t resultBuffers = 1);
    Tokenizer(const Tokenizer&) = delete;
    Tokenizer& operator=(const Tokenizer&) = delete;
    ~Tokenizer();

    void setText(const char* text);
    // Reads the file unchanged (no newline translation); false when it cannot be opened or read.
    bool loadFile(const char* path);

    // Null at the end of the text. Identifiers are characters the predicate accepts, then also digits.
    const char* next(bool (*predicate)(char));
    // The rest of the current line including its line break; null at the end of the text.
    const char* nextLine();

private:
    struct Slot {
        char* data;
        uint32_t capacity;
    };

    const char* store(uint32_t start, uint32_t end);
    void replaceText(char* text, uint32_t length);

    char* text = nullptr;
    uint32_t length = 0;
    uint32_t tokenStart = 0;
    uint32_t position = 0;
    Array<Slot> slots;
    uint32_t slotIndex = 0;
};
