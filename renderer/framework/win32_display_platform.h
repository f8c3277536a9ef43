#pragma once

#include "framework/display_platform.h"
#include "util/array.h"

#include <windows.h>

// The display device of the calling thread. Every enumerated record is kept, in enumeration order, so a
// mode is set with exactly the record the platform gave.
class Win32DisplayPlatform : public DisplayPlatform {
public:
    bool enumerate(int index, DisplayMode& mode) override;
    bool change(int modeIndex) override;
    bool restore() override;

    Array<DEVMODEA> platformModes;
};
