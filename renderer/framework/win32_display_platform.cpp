#include "framework/win32_display_platform.h"

#include <cstring>

bool Win32DisplayPlatform::enumerate(int index, DisplayMode& mode) {
    DEVMODEA record;
    std::memset(&record, 0, sizeof record);
    record.dmSize = sizeof record;
    record.dmDriverExtra = 0;
    if (!EnumDisplaySettingsA(nullptr, (DWORD)index, &record))
        return false;
    mode.width = (int32_t)record.dmPelsWidth;
    mode.height = (int32_t)record.dmPelsHeight;
    mode.bitsPerPixel = (int32_t)record.dmBitsPerPel;
    mode.refreshRate = (int32_t)record.dmDisplayFrequency;
    mode.modeIndex = (int32_t)platformModes.getCount();
    platformModes.add(record);
    return true;
}

bool Win32DisplayPlatform::change(int modeIndex) {
    if (modeIndex < 0 || (uint32_t)modeIndex >= platformModes.getCount())
        return false;
    return ChangeDisplaySettingsA(&platformModes[(uint32_t)modeIndex], CDS_FULLSCREEN) ==
           DISP_CHANGE_SUCCESSFUL;
}

bool Win32DisplayPlatform::restore() {
    return ChangeDisplaySettingsA(nullptr, 0) == DISP_CHANGE_SUCCESSFUL;
}
