#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A PNG file of 8-bit R, G, B pixels (top row first, no padding), stored without compression: pictures
// for people to look at, written with no image library.
std::vector<uint8_t> EncodePngRgb(int width, int height, const uint8_t* rgb);
bool WritePngFile(const std::string& path, int width, int height, const uint8_t* rgb);
