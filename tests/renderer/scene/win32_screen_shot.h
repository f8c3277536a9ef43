#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A copy of the whole screen as the desktop's device context shows it, 8-bit R, G, B per pixel, top row
// first.
struct ScreenShot {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

ScreenShot captureScreen();
bool savePng(const ScreenShot& shot, const std::string& path);

// Figures that tell a drawn scene from a black, untextured or frozen one.
struct ShotStatistics {
    double litFraction; // pixels with a channel above 24
    int distinctColors; // among 5-bit-per-channel colours
    int hueSectors; // of six hue sectors, those whose saturated pixels make at least 0.25 % of the picture
};

ShotStatistics measure(const ScreenShot& shot);
// Share of pixels whose colour moved by more than 24 in some channel.
double changedFraction(const ScreenShot& a, const ScreenShot& b);
