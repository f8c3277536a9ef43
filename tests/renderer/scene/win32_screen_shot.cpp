#include "win32_screen_shot.h"

#include <windows.h>

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <set>

ScreenShot captureScreen() {
    ScreenShot shot;
    HDC screen = GetDC(nullptr);
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    if (bitmap != nullptr && memory != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY)) {
            GdiFlush();
            shot.width = w;
            shot.height = h;
            shot.rgb.resize((size_t)w * h * 3);
            const uint8_t* bgrx = static_cast<const uint8_t*>(bits);
            for (size_t i = 0; i < (size_t)w * h; i++) {
                shot.rgb[3 * i] = bgrx[4 * i + 2];
                shot.rgb[3 * i + 1] = bgrx[4 * i + 1];
                shot.rgb[3 * i + 2] = bgrx[4 * i];
            }
        }
        SelectObject(memory, old);
    }
    if (memory != nullptr)
        DeleteDC(memory);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return shot;
}

bool savePng(const ScreenShot& shot, const std::string& path) {
    if (shot.rgb.empty())
        return false;
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = (png_uint_32)shot.width;
    image.height = (png_uint_32)shot.height;
    image.format = PNG_FORMAT_RGB;
    bool written = png_image_write_to_file(&image, path.c_str(), 0, shot.rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

namespace {

// The sector 0 ... 5 of a saturated colour's hue (red, yellow, green, cyan, blue, magenta), or -1.
int hueSector(int r, int g, int b) {
    int high = std::max(r, std::max(g, b));
    int low = std::min(r, std::min(g, b));
    // Saturated enough that the sprite's pale blue and the white highlights stay out.
    if (high < 48 || high - low < 32 || (high - low) * 2 < high)
        return -1;
    double delta = high - low;
    double hue;
    if (high == r)
        hue = (g - b) / delta;
    else if (high == g)
        hue = 2.0 + (b - r) / delta;
    else
        hue = 4.0 + (r - g) / delta;
    hue = hue < -0.5 ? hue + 6.0 : hue;
    return (int)(hue + 0.5) % 6;
}

} // namespace

ShotStatistics measure(const ScreenShot& shot) {
    ShotStatistics stats = {};
    size_t pixels = (size_t)shot.width * shot.height;
    if (pixels == 0)
        return stats;
    size_t lit = 0;
    size_t sectorCounts[6] = {};
    std::set<int> colors;
    for (size_t i = 0; i < pixels; i++) {
        int r = shot.rgb[3 * i], g = shot.rgb[3 * i + 1], b = shot.rgb[3 * i + 2];
        if (std::max(r, std::max(g, b)) > 24)
            lit++;
        colors.insert((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
        int sector = hueSector(r, g, b);
        if (sector >= 0)
            sectorCounts[sector]++;
    }
    stats.litFraction = (double)lit / (double)pixels;
    stats.distinctColors = (int)colors.size();
    for (size_t count : sectorCounts)
        stats.hueSectors += count * 400 >= pixels ? 1 : 0;
    return stats;
}

double changedFraction(const ScreenShot& a, const ScreenShot& b) {
    if (a.rgb.size() != b.rgb.size() || a.rgb.empty())
        return 0.0;
    size_t changed = 0;
    size_t pixels = a.rgb.size() / 3;
    for (size_t i = 0; i < pixels; i++) {
        for (int c = 0; c < 3; c++) {
            if (std::abs(a.rgb[3 * i + c] - b.rgb[3 * i + c]) > 24) {
                changed++;
                break;
            }
        }
    }
    return (double)changed / (double)pixels;
}
