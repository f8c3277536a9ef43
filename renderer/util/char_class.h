#pragma once

// Character classes of the tokenizer and the console.
inline bool isSpace(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
inline bool isNewline(char c) {
    return c == '\r' || c == '\n';
}
