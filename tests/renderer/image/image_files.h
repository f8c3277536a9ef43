#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Helpers for the image tests: committed fixtures and files written at test time.
std::string fixturePath(const char* name);
std::vector<uint8_t> readBytes(const std::string& path);
// Writes the bytes to path; returns path.
std::string writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A bottom-up BMP with the 54-byte header; pixels are given top row first, bytesPerPixel 3 or 4, as B, G, R(,
// A).
std::vector<uint8_t> makeBmp(int width, int height, int bitCount, const std::vector<uint8_t>& pixelsTopDown);

void put16(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
