// The renderer programs as real processes under the window system: window, title, display mode, keys, the
// close path and the failure paths of start-up.
#include "program_runner.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

const DWORD windowTimeout = 10000;
const DWORD exitTimeout = 10000;

std::string program(const char* unixPath) {
    return windowsPath(unixPath);
}

std::string logPath(const char* name) {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    return std::string(folder) + "\\" + name;
}

DEVMODEA currentMode() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return mode;
}

void expectSameMode(const DEVMODEA& a, const DEVMODEA& b) {
    EXPECT_EQ(a.dmPelsWidth, b.dmPelsWidth);
    EXPECT_EQ(a.dmPelsHeight, b.dmPelsHeight);
    EXPECT_EQ(a.dmBitsPerPel, b.dmBitsPerPel);
}

void sendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

bool screenIsSmall() {
    return GetSystemMetrics(SM_CXSCREEN) < 640 || GetSystemMetrics(SM_CYSCREEN) < 480;
}

void expectFullScreenWindow(HWND hwnd) {
    char title[64] = {}, className[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, className, sizeof className);
    EXPECT_STREQ(title, "Zandrel_VC");
    EXPECT_STREQ(className, "Demo");
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE((style & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) == (WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 1024);
    EXPECT_EQ(rect.bottom - rect.top, 768);
}

// The real renderer needs its two hand-over bitmaps (here both the light spot) and, where the shader
// extensions exist, its shader files in the working folder.
bool startRenderer(ProgramRunner& runner) {
    std::string folder = logPath("handover");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string spot = windowsPath(LIGHT_SPOT_PICTURE);
    CopyFileA(spot.c_str(), (folder + "\\Zandrel1.bmp").c_str(), FALSE);
    CopyFileA(spot.c_str(), (folder + "\\Zandrel2.bmp").c_str(), FALSE);
    SetEnvironmentVariableA("ZANDREL_HANDOVER_DIR", folder.c_str());
    char back[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof back, back);
    SetCurrentDirectoryA(windowsPath(MORVEX_FOLDER).c_str());
    bool started = runner.start(program(MORVEX_PROGRAM));
    SetCurrentDirectoryA(back);
    return started;
}

} // namespace

TEST(Renderer, RealEscapeClosesTheFullScreenWindow) {
    if (screenIsSmall())
        GTEST_SKIP() << "needs a screen of at least 640 x 480";
    DEVMODEA before = currentMode();
    ProgramRunner runner;
    ASSERT_TRUE(startRenderer(runner));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    expectFullScreenWindow(hwnd);
    EXPECT_EQ(FindWindowA(nullptr, "Zandrel_VC"), hwnd);
    EXPECT_TRUE(runner.running()) << "other keys and time do not end it";

    SetForegroundWindow(hwnd);
    Sleep(100);
    sendKey('A', false);
    sendKey('A', true);
    Sleep(200);
    EXPECT_TRUE(runner.running());
    sendKey(VK_ESCAPE, false);
    sendKey(VK_ESCAPE, true);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);
    EXPECT_EQ(FindWindowA(nullptr, "Zandrel_VC"), nullptr);
    expectSameMode(currentMode(), before);
}

TEST(Renderer, CarriesTheProgramIcon) {
    HMODULE module = LoadLibraryExA(program(MORVEX_PROGRAM).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14)), nullptr); // RT_GROUP_ICON
    HICON icon = (HICON)LoadImageA(module, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0);
    EXPECT_NE(icon, nullptr);
    if (icon)
        DestroyIcon(icon);
    FreeLibrary(module);
}

TEST(Renderer, PostedEscapeAndCloseEndTheRun) {
    if (screenIsSmall())
        GTEST_SKIP() << "needs a screen of at least 640 x 480";
    for (UINT message : {(UINT)WM_KEYDOWN, (UINT)WM_CLOSE}) {
        ProgramRunner runner;
        ASSERT_TRUE(startRenderer(runner));
        HWND hwnd = runner.waitForWindow(windowTimeout);
        ASSERT_NE(hwnd, nullptr);
        PostMessageA(hwnd, message, message == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        EXPECT_EQ(runner.waitForExit(exitTimeout), 0) << message;
        EXPECT_FALSE(IsWindow(hwnd));
    }
}

TEST(Lifecycle, CallsInOrderAndEscapeClosesOnce) {
    if (screenIsSmall())
        GTEST_SKIP() << "needs a screen of at least 640 x 480";
    std::string log = logPath("probe-order.log");
    ProgramRunner runner;
    ASSERT_TRUE(runner.start(program(PROBE_PROGRAM), log));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(waitForText(log, "frame", windowTimeout));
    PostMessageA(hwnd, WM_KEYDOWN, 'A', 0);
    PostMessageA(hwnd, WM_KEYUP, 'A', 0);
    PostMessageA(hwnd, WM_KEYDOWN, 65536 + 37, 0);
    PostMessageA(hwnd, WM_KEYUP, VK_ESCAPE, 0);
    ASSERT_TRUE(waitForText(log, "onKey 27 0", windowTimeout));
    // Key repeat: several close requests; the later ones reach a destroyed window.
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);
    std::string events = probeEvents(log);
    std::string start = "init\nresetCamera\nonSize 1024 768\ninitAPI fullscreen=1 cursorVisible=0 "
                        "window=1\nload\nframe totalTime>0=1\n";
    EXPECT_EQ(events.substr(0, start.size()), start) << events;
    std::string end = "onKey 65 1\nonKey 65 0\nonKey 65573 1\nonKey 27 0\nunload\nexitAPI\n";
    EXPECT_NE(events.find(end), std::string::npos) << events;
    EXPECT_NE(events.find("exit\ndestroyed\n"), std::string::npos) << events;
    EXPECT_EQ(events.find("unload"), events.rfind("unload")) << events;
    EXPECT_EQ(events.find("onKey 27 1"), std::string::npos) << events;
}

TEST(Lifecycle, AltF4TakesTheClosePath) {
    if (screenIsSmall())
        GTEST_SKIP() << "needs a screen of at least 640 x 480";
    std::string log = logPath("probe-altf4.log");
    ProgramRunner runner;
    ASSERT_TRUE(runner.start(program(PROBE_PROGRAM), log));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(waitForText(log, "frame", windowTimeout));
    SetForegroundWindow(hwnd);
    Sleep(100);
    sendKey(VK_MENU, false);
    sendKey(VK_F4, false);
    sendKey(VK_F4, true);
    sendKey(VK_MENU, true);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);
    std::string events = probeEvents(log);
    EXPECT_NE(events.find("unload\nexitAPI\nframes"), std::string::npos) << events;
    EXPECT_NE(events.find("exit\ndestroyed\n"), std::string::npos) << events;
}

TEST(Lifecycle, FailedStartUps) {
    struct Case {
        const char* program;
        const char* expected;
    } cases[] = {
        // init fails: nothing else runs, no window, the object is not even deleted.
        {PROBE_INIT_FAILS_PROGRAM, "init\n"},
        {PROBE_INITAPI_FAILS_PROGRAM, "init\nresetCamera\nonSize 1024 768\ninitAPI fullscreen=1 "
                                      "cursorVisible=0 window=1\nframes 0\nexit\ndestroyed\n"},
        {PROBE_LOAD_FAILS_PROGRAM, "init\nresetCamera\nonSize 1024 768\ninitAPI fullscreen=1 "
                                   "cursorVisible=0 window=1\nload\nexitAPI\nframes 0\nexit\ndestroyed\n"},
    };
    if (screenIsSmall())
        GTEST_SKIP() << "needs a screen of at least 640 x 480";
    DEVMODEA before = currentMode();
    for (const Case& c : cases) {
        std::string log = logPath("probe-failure.log");
        ProgramRunner runner;
        ASSERT_TRUE(runner.start(program(c.program), log));
        EXPECT_EQ(runner.waitForExit(exitTimeout), 0) << c.program;
        EXPECT_EQ(probeEvents(log), c.expected) << c.program;
        EXPECT_EQ(FindWindowA(nullptr, "Zandrel_VC"), nullptr);
        expectSameMode(currentMode(), before);
    }
}

// Runs only on a screen below 640 x 480 (tests/renderer/framework/small_screen.sh starts one): no usable
// mode, so the program runs windowed with the cursor shown.
TEST(SmallScreen, FailedModeSwitchRunsWindowed) {
    if (!screenIsSmall())
        GTEST_SKIP() << "needs a screen smaller than 640 x 480";
    std::string log = logPath("probe-small.log");
    ProgramRunner runner;
    ASSERT_TRUE(runner.start(program(PROBE_PROGRAM), log));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(waitForText(log, "frame", windowTimeout));
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    // The system clamps an overlapped window to its largest tracking size, here just over the screen.
    EXPECT_EQ(rect.right, std::min(800, GetSystemMetrics(SM_CXMAXTRACK)));
    EXPECT_EQ(rect.bottom, std::min(600, GetSystemMetrics(SM_CYMAXTRACK)));
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);
    std::string events = probeEvents(log);
    EXPECT_NE(events.find("initAPI fullscreen=0 cursorVisible=1 window=1\nload\n"), std::string::npos)
        << events;
    EXPECT_NE(events.find("unload\nexitAPI\n"), std::string::npos) << events;

    // The real program takes the same path.
    ProgramRunner real;
    ASSERT_TRUE(startRenderer(real));
    hwnd = real.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, std::min(800, GetSystemMetrics(SM_CXMAXTRACK)));
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(real.waitForExit(exitTimeout), 0);
}
