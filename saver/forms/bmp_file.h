#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Forms {

// An uncompressed 24-bit Windows bitmap file from 32-bit B, G, R, x pixels given top row first
// (stride in bytes between rows). Rows are stored bottom first and padded to four bytes.
std::vector<uint8_t> EncodeBmp24(int width, int height, const uint8_t* bgrx, size_t stride);

// Writes EncodeBmp24's file; false when the size is not positive or the file cannot be written whole.
bool WriteBmp24File(const std::string& path, int width, int height, const uint8_t* bgrx, size_t stride);

} // namespace Forms
