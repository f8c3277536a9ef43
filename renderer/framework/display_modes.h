#pragma once

#include "framework/display_mode.h"
#include "util/array.h"

class DisplayPlatform;

// The usable display modes of the adapter, smallest area first, and the closest-match switch.
class DisplayModes {
public:
    // Enumerates every mode of the platform (owned from here on) and sorts them by area.
    explicit DisplayModes(DisplayPlatform* platform);
    DisplayModes(const DisplayModes&) = delete;
    DisplayModes& operator=(const DisplayModes&) = delete;
    ~DisplayModes();

    // Keeps the modes inside all four inclusive ranges.
    void filter(int minWidth, int minHeight, int minBits, int maxWidth, int maxHeight, int maxBits,
                int minRefresh, int maxRefresh);
    // Keeps, per run of one resolution, only the refresh rate closest to preferred (first seen on a tie).
    void chooseRefresh(int preferred);
    // Position in modes of the closest mode (bits weigh most, then size, then refresh); -1 for an empty list.
    int closestMode(int width, int height, int bits, int refresh) const;
    bool setMode(int width, int height, int bits, int refresh);
    bool setModeByIndex(unsigned index);
    bool restore();

    Array<DisplayMode> modes;
    int platformModeCount = 0;

private:
    DisplayPlatform* platform;
};
