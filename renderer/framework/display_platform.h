#pragma once

#include "framework/display_mode.h"

// The display adapter as the mode list sees it. The Win32 version keeps every enumerated record so that a
// mode can be set exactly as the platform described it.
class DisplayPlatform {
public:
    virtual ~DisplayPlatform() = default;
    // Mode number index of the enumeration (its modeIndex is set by the caller); false past the last one.
    virtual bool enumerate(int index, DisplayMode& mode) = 0;
    // Temporary full-screen change to the enumerated mode; true when the platform accepted it.
    virtual bool change(int modeIndex) = 0;
    // Back to the desktop mode stored in the registry.
    virtual bool restore() = 0;
};
