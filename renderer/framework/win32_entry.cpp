#include "framework/win32_entry.h"

#include "framework/app.h"
#include "framework/frame_clock.h"
#include "framework/settings.h"
#include "framework/win32_cycle_counter.h"
#include "framework/win32_display_platform.h"
#include "framework/win32_window_system.h"
#include "util/message_log.h"

namespace {

const char* const windowClassName = "Demo";
const char* const windowTitle = "Zandrel_VC";
const int iconResource = 101;
const WPARAM escapeKey = 27;

bool apiReady = false;
bool resourcesLoaded = false;

bool registerWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconResource));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = windowClassName;
    return RegisterClassA(&windowClass) != 0;
}

void closeWindow(HWND hwnd) {
    if (fullscreen)
        theApp->restoreDisplayMode();
    if (apiReady) {
        if (resourcesLoaded)
            theApp->unload();
        theApp->exitAPI();
    }
    // A second close request must not release anything twice.
    apiReady = false;
    resourcesLoaded = false;
    DestroyWindow(hwnd);
}

void runFrame(uint64_t& previousCycles) {
    advanceFrameClock(readCycleCounter(), previousCycles);
    theApp->controls();
    theApp->beginFrame();
    theApp->drawFrame();
    theApp->endFrame();
}

} // namespace

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        ShowWindow(hwnd, SW_SHOW);
        theApp->hwnd = hwnd;
        return 0;
    case WM_SIZE:
        height = HIWORD(lParam);
        width = LOWORD(lParam);
        theApp->onSize(width, height);
        // The saver finds the renderer by this title for as long as the window exists.
        SetWindowTextA(hwnd, windowTitle);
        return 0;
    case WM_KEYDOWN:
        if (wParam == escapeKey)
            theApp->postClose();
        else
            theApp->onKey((unsigned)wParam, true);
        return 0;
    case WM_KEYUP:
        theApp->onKey((unsigned)wParam, false);
        return 0;
    case WM_CLOSE:
        closeWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int runApplication(HINSTANCE instance) {
    if (!theApp)
        return 0;
    if (!registerWindowClass(instance))
        return 0;
    installWin32WindowSystem();
    setDefaultSettings();
    cyclesPerSecond = calibrateCycleCounter();
    if (!theApp->init())
        return 0;
    theApp->resetCamera();
    theApp->createDisplayModes(new Win32DisplayPlatform);

    totalTime = 0.0f;
    uint64_t previousCycles = readCycleCounter();
    if (fullscreen && !theApp->setDisplayMode(fullscreenWidth, fullscreenHeight, fullscreenRefresh))
        fullscreen = false;

    int x, y, w, h;
    if (fullscreen) {
        x = 0;
        y = 0;
        w = fullscreenWidth;
        h = fullscreenHeight;
    } else {
        x = windowLeft;
        y = windowTop;
        w = windowRight - windowLeft;
        h = windowBottom - windowTop;
    }
    if (fullscreen) {
        theApp->setCursorVisible(false);
        SetCursorPos(x + w / 2, y + h / 2);
    }
    DWORD style = (fullscreen ? WS_POPUP : WS_OVERLAPPEDWINDOW) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    HWND hwnd =
        CreateWindowExA(0, windowClassName, "Title", style, x, y, w, h, nullptr, nullptr, instance, nullptr);

    if (!hwnd && fullscreen)
        theApp->restoreDisplayMode(); // no window, so no close path would switch back

    apiReady = hwnd != nullptr && theApp->initAPI();
    if (apiReady)
        resourcesLoaded = theApp->load();
    if (hwnd && (!apiReady || !resourcesLoaded))
        PostMessageA(hwnd, WM_CLOSE, 0, 0);

    MSG message = {};
    bool haveWindow = hwnd != nullptr;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (message.message == WM_QUIT || !haveWindow)
            break;
        runFrame(previousCycles);
    }

    theApp->exit();
    delete theApp;
    theApp = nullptr;
    freeMessageLog();
    return haveWindow ? (int)message.wParam : 0;
}
