#include "framework/win32_window_system.h"

#include "framework/window_system.h"

#include <windows.h>

namespace {

void showCursor(bool visible) {
    ShowCursor(visible ? TRUE : FALSE);
}

void postClose(WindowHandle window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
}

} // namespace

void installWin32WindowSystem() {
    windowSystem.showCursor = showCursor;
    windowSystem.postClose = postClose;
}
