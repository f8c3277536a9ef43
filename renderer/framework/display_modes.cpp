#include "framework/display_modes.h"

#include "framework/display_platform.h"

#include <cstdlib>

namespace {

int32_t area(const DisplayMode& mode) {
    // Signed 32-bit product; wraps like the platform's own int arithmetic instead of overflowing.
    return (int32_t)((uint32_t)mode.width * (uint32_t)mode.height);
}

uint32_t difference(int32_t a, int32_t b) {
    return a > b ? (uint32_t)a - (uint32_t)b : (uint32_t)b - (uint32_t)a;
}

bool sameResolution(const DisplayMode& a, const DisplayMode& b) {
    return a.width == b.width && a.height == b.height;
}

} // namespace

DisplayModes::DisplayModes(DisplayPlatform* platform_) : platform(platform_) {
    DisplayMode mode;
    for (int i = 0; platform && platform->enumerate(i, mode); i++) {
        mode.modeIndex = i;
        modes.add(mode);
        platformModeCount = i + 1;
    }
    // Bubble sort: stable, so modes of equal area keep their enumeration order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (uint32_t i = 0; i + 1 < modes.getCount(); i++) {
            if (area(modes[i]) > area(modes[i + 1])) {
                DisplayMode t = modes[i];
                modes[i] = modes[i + 1];
                modes[i + 1] = t;
                swapped = true;
            }
        }
    }
}

DisplayModes::~DisplayModes() {
    delete platform;
}

void DisplayModes::filter(int minWidth, int minHeight, int minBits, int maxWidth, int maxHeight, int maxBits,
                          int minRefresh, int maxRefresh) {
    uint32_t kept = 0;
    for (uint32_t i = 0; i < modes.getCount(); i++) {
        const DisplayMode& m = modes[i];
        if (m.width < minWidth || m.width > maxWidth || m.height < minHeight || m.height > maxHeight ||
            m.bitsPerPixel < minBits || m.bitsPerPixel > maxBits || m.refreshRate < minRefresh ||
            m.refreshRate > maxRefresh)
            continue;
        modes[kept++] = m;
    }
    modes.count = kept;
}

void DisplayModes::chooseRefresh(int preferred) {
    uint32_t runStart = 0;
    while (runStart < modes.getCount()) {
        int32_t best = modes[runStart].refreshRate;
        uint32_t runEnd = runStart + 1;
        while (runEnd < modes.getCount() && sameResolution(modes[runEnd], modes[runStart])) {
            if (difference(modes[runEnd].refreshRate, preferred) < difference(best, preferred))
                best = modes[runEnd].refreshRate;
            runEnd++;
        }
        for (uint32_t i = runEnd; i-- > runStart;) {
            if (modes[i].refreshRate != best) {
                modes.remove(i);
                runEnd--;
            }
        }
        runStart = runEnd;
    }
}

int DisplayModes::closestMode(int width, int height, int bits, int refresh) const {
    int winner = -1;
    uint32_t smallest = 2147483647u;
    for (uint32_t i = 0; i < modes.getCount(); i++) {
        const DisplayMode& m = modes[i];
        uint32_t distance = difference(m.bitsPerPixel, bits) * 65536u + difference(m.width, width) * 256u +
                            difference(m.height, height) * 256u + difference(m.refreshRate, refresh);
        if (distance < smallest) {
            smallest = distance;
            winner = (int)i;
        }
    }
    return winner;
}

bool DisplayModes::setMode(int width, int height, int bits, int refresh) {
    int winner = closestMode(width, height, bits, refresh);
    if (winner < 0)
        return false;
    return setModeByIndex((unsigned)winner);
}

bool DisplayModes::setModeByIndex(unsigned index) {
    if (index >= modes.getCount() || !platform)
        return false;
    return platform->change(modes[index].modeIndex);
}

bool DisplayModes::restore() {
    return platform && platform->restore();
}
