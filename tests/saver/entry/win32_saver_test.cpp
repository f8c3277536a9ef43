// Zandrel.scr end to end under the platform: the modes of its command line, a run with the renderer (the
// real one and a probe that reports what it was started with), the preview in a pane of ours.
#include "win32_saver_driver.h"

#include "saver/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

using namespace Driver;

namespace {

const wchar_t* const RendererTitle = L"Zandrel_VC";
const wchar_t* const RunTitle = L"Zandrel_Main";
const wchar_t* const DialogTitle = L"<Zandrel>";
const char* const HideCursor = "NtUserShowCursor 0,";
const char* const ShowCursorAgain = "NtUserShowCursor 1,";

std::wstring saverFile() {
    return WindowsPath(ZANDREL_SAVER_EXE);
}
std::wstring binFile(const wchar_t* name) {
    return WindowsPath(ZANDREL_BIN_DIR) + L"\\" + name;
}

// A folder with the saver and, as "Zandrel.dll", the probe or the real renderer with its shader files.
enum class Renderer { None, Probe, Real, NotAProgram };
std::wstring saverFolder(const wchar_t* name, Renderer renderer, const char* probeMode = nullptr) {
    const std::wstring folder = FreshFolder(name);
    CopyInto(folder, saverFile());
    switch (renderer) {
    case Renderer::None:
        break;
    case Renderer::Probe:
        CopyInto(folder, WindowsPath(ZANDREL_PROBE_EXE), L"Zandrel.dll");
        if (probeMode)
            WriteText(folder + L"\\probe_mode.txt", probeMode);
        break;
    case Renderer::Real:
        CopyInto(folder, binFile(L"Zandrel.dll"));
        CopyInto(folder, binFile(L"lighting.shd"));
        CopyInto(folder, binFile(L"sphere.shd"));
        break;
    case Renderer::NotAProgram:
        WriteText(folder + L"\\Zandrel.dll", "not a program\r\n");
        break;
    }
    return folder;
}

// The probe's report as name=value pairs.
std::string reportValue(const std::wstring& folder, const std::string& name) {
    const std::string report = ReadText(folder + L"\\probe_report.txt");
    const size_t at = report.find(name + "=");
    if (at == std::string::npos)
        return "(missing)";
    const size_t start = at + name.size() + 1;
    return report.substr(start, report.find('\n', start) - start);
}

long long expectedDesktopBytes() {
    const long long width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    return 54 + ((width * 3 + 3) & ~3LL) * height;
}

std::string narrow(const std::wstring& wide) {
    std::string text;
    for (wchar_t c : wide)
        text += (char)c;
    return text;
}

// The saver gone, its renderer gone: nothing of the run is left.
void expectNothingLeft() {
    for (int i = 0; i < 200 && (ProcessesNamed(L"Zandrel.scr") || ProcessesNamed(L"Zandrel.dll")); i++)
        Pump(10);
    EXPECT_EQ(ProcessesNamed(L"Zandrel.scr"), 0);
    EXPECT_EQ(ProcessesNamed(L"Zandrel.dll"), 0);
}

// Ends the renderer window as a person would, with Escape, and gives the milliseconds from the window's
// going to the saver's end (-1 when the saver did not end).
long endRunWithEscape(const Process& saver, HWND renderer) {
    SetForegroundWindow(renderer);
    Pump(50);
    PressKey(VK_ESCAPE);
    if (!WaitUntilGone(RendererTitle, 5000))
        return -2;
    const DWORD gone = GetTickCount();
    if (!saver.endsWithin(3000))
        return -1;
    return (long)(GetTickCount() - gone);
}

// Pixels of the screen that the renderer shows, with a copy kept beside the test for people to look at.
size_t distinctColours(const std::vector<uint32_t>& pixels) {
    std::set<uint32_t> colours;
    for (uint32_t p : pixels)
        colours.insert(p & 0xF8F8F8);
    return colours.size();
}

RECT screenRect() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// A full-screen window of eight coloured bands: the desktop as the run finds it.
const uint32_t BandColours[8] = {0xE02020, 0x20E020, 0x2020E0, 0xE0E020,
                                 0x20E0E0, 0xE020E0, 0xF0F0F0, 0x806040};
LRESULT CALLBACK bandsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        for (int i = 0; i < 8; i++) {
            RECT band = {area.right * i / 8, 0, area.right * (i + 1) / 8, area.bottom};
            const uint32_t c = BandColours[i];
            HBRUSH brush = CreateSolidBrush(RGB(c >> 16, (c >> 8) & 255, c & 255));
            FillRect(dc, &band, brush);
            DeleteObject(brush);
        }
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct BandsOnScreen {
    HWND window = nullptr;
    BandsOnScreen() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = bandsProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"DriverBands";
        RegisterClassW(&windowClass);
        const RECT s = screenRect();
        window = CreateWindowExW(0, L"DriverBands", L"bands", WS_POPUP | WS_VISIBLE, 0, 0, s.right, s.bottom,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
        UpdateWindow(window);
        Pump(300);
    }
    ~BandsOnScreen() { DestroyWindow(window); }
};

// A pane of ours, as the settings page has one: a plain window of the given size, white so that the
// preview's black shows.
struct Pane {
    HWND window = nullptr;
    Pane(int width, int height) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        windowClass.lpszClassName = L"DriverPane";
        RegisterClassW(&windowClass);
        window =
            CreateWindowExW(WS_EX_TOPMOST, L"DriverPane", L"pane", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                            40, 40, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
        Pump(100);
    }
    ~Pane() {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    std::wstring handleText() const { return std::to_wstring((uint32_t)(uintptr_t)window); }
};

// The root of C: made unusable for the desktop file for as long as this lives.
struct BlockedRoot {
    BlockedRoot() {
        DeleteFileW(L"C:\\Zandrel1.bmp");
        CreateDirectoryW(L"C:\\Zandrel1.bmp", nullptr);
    }
    ~BlockedRoot() { RemoveDirectoryW(L"C:\\Zandrel1.bmp"); }
};

bool closeTo(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs((int)((a >> shift) & 255) - (int)((b >> shift) & 255)) > tolerance)
            return false;
    return true;
}

class Saver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(TraceLog().empty()) << "no trace log: run through ctest (run_traced.sh)";
        RemoveDirectoryW(L"C:\\Zandrel1.bmp"); // left by a run that was cut short
        ASSERT_EQ(ProcessesNamed(L"Zandrel.scr"), 0) << "a saver from elsewhere is running";
    }
    void TearDown() override { expectNothingLeft(); }
};

TEST_F(Saver, OtherLettersEndWithoutAWindowOrARenderer) {
    const std::wstring folder = saverFolder(L"other", Renderer::Probe);
    for (const wchar_t* arguments : {L"/a", L"s", L"/x", L"/a 1234"}) {
        SCOPED_TRACE(narrow(arguments));
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, arguments));
        bool sawWindow = false;
        const DWORD start = GetTickCount();
        while (WaitForSingleObject(saver.handle, 0) == WAIT_TIMEOUT && GetTickCount() - start < 5000) {
            sawWindow = sawWindow || FindWindowW(nullptr, RunTitle) || FindWindowW(nullptr, DialogTitle) ||
                        WindowOfProcess(saver.id, L"#32770");
            Pump(5);
        }
        ASSERT_TRUE(saver.endsWithin(0)) << "still running: a message or a dialog is waiting";
        EXPECT_FALSE(sawWindow);
        EXPECT_EQ(saver.exitCode(), 0u);
        EXPECT_FALSE(Exists(folder + L"\\probe_report.txt")) << "the renderer was started";
        EXPECT_EQ(Occurrences(saver.trace(), "NtUserShowCursor"), 0);
    }
}

TEST_F(Saver, RunStartsTheRendererInItsFolderAndEndsWithItsWindow) {
    struct Case {
        const wchar_t* arguments;
        bool hidesCursor;
    };
    for (const Case c :
         {Case{L"/s", true}, Case{L"/S", true}, Case{L"-s", true}, Case{L"xs", true}, Case{L"", false}}) {
        SCOPED_TRACE("\"" + narrow(c.arguments) + "\"");
        const std::wstring folder = saverFolder(L"run", Renderer::Probe);
        DeleteFileW(L"C:\\Zandrel1.bmp");
        DeleteFileW(L"C:\\Zandrel2.bmp");
        Process saver;
        // A value the saver inherits must not send the renderer away from a working root of C:.
        const DWORD started = GetTickCount();
        ASSERT_TRUE(StartSaver(saver, folder, c.arguments, {L"ZANDREL_HANDOVER_DIR=C:\\nowhere"}));
        HWND renderer = WaitForWindow(RendererTitle, 10000);
        ASSERT_NE(renderer, nullptr);
        std::printf("renderer's window %lu ms after the saver's start\n", GetTickCount() - started);
        EXPECT_NE(FindWindowW(nullptr, RunTitle), nullptr);
        EXPECT_FALSE(IsWindowVisible(FindWindowW(nullptr, RunTitle)));

        EXPECT_EQ(reportValue(folder, "cwd"), narrow(folder));
        EXPECT_EQ(reportValue(folder, "handover"), "");
        // Both files were complete before the renderer started.
        EXPECT_EQ(reportValue(folder, "desktop"), std::to_string(expectedDesktopBytes()));
        EXPECT_EQ(reportValue(folder, "light"), std::to_string(54 + 128 * 128 * 3));

        const long afterWindow = endRunWithEscape(saver, renderer);
        EXPECT_GE(afterWindow, 0) << "-2: the window stayed, -1: the saver stayed";
        // How long it takes is a figure to report, not to assert: one tick of the 500 ms watch and the end.
        std::printf("saver ended %ld ms after the renderer's window\n", afterWindow);
        const std::string trace = saver.trace();
        EXPECT_EQ(Occurrences(trace, HideCursor), c.hidesCursor ? 1 : 0);
        EXPECT_EQ(Occurrences(trace, ShowCursorAgain), c.hidesCursor ? 1 : 0);
        if (c.hidesCursor) {
            EXPECT_LT(trace.find(HideCursor), trace.find(ShowCursorAgain));
        }
        EXPECT_EQ(saver.exitCode(), 0u);
        expectNothingLeft();
    }
}

TEST_F(Saver, FullRunWithTheRendererShowsTheDesktopAndStopsTheMusicAtTheEnd) {
    const std::wstring folder = saverFolder(L"full", Renderer::Real);
    // MP3 music: with no sound device the commands still go out, and the trace shows them.
    const std::string music = narrow(folder) + "\\music.mp3";
    WriteText(Wide(music), "ID3 not really music");
    const std::string ini = narrow(folder) + "\\Zandrel.ini";
    WritePrivateProfileStringA(Morvex_B::SettingsSection, Morvex_B::KeyBgmKind, " 2", ini.c_str());
    WritePrivateProfileStringA(Morvex_B::SettingsSection, Morvex_B::KeyBgmFile, music.c_str(), ini.c_str());

    BandsOnScreen bands;
    Process saver;
    const DWORD started = GetTickCount();
    ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
    HWND renderer = WaitForWindow(RendererTitle, 15000);
    ASSERT_NE(renderer, nullptr);
    std::printf("real renderer's window %lu ms after the saver's start\n", GetTickCount() - started);

    Bitmap desktop;
    ASSERT_TRUE(ReadBitmap(L"C:\\Zandrel1.bmp", desktop));
    EXPECT_EQ(desktop.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(desktop.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(desktop.bits, 24);
    EXPECT_EQ(desktop.compression, 0);
    if (!desktop.pixels.empty())
        for (int i = 0; i < 8; i++) {
            const int x = desktop.width * (2 * i + 1) / 16, y = desktop.height / 2;
            EXPECT_TRUE(closeTo(desktop.pixels[(size_t)y * desktop.width + x], BandColours[i], 4))
                << "band " << i;
        }
    Bitmap light, asset;
    ASSERT_TRUE(ReadBitmap(L"C:\\Zandrel2.bmp", light));
    ASSERT_TRUE(ReadBitmap(WindowsPath(ZANDREL_ASSETS_DIR "/light_spot.bmp"), asset));
    EXPECT_EQ(light.width, 128);
    EXPECT_EQ(light.height, 128);
    EXPECT_TRUE(light.pixels == asset.pixels) << "the stored light spot is handed over unchanged";

    // The renderer draws the captured desktop as its cloth: many colours, the bands' among them.
    DestroyWindow(bands.window);
    Pump(3000);
    const std::vector<uint32_t> frame = CaptureScreen(screenRect());
    SaveBmp(folder + L"\\run-frame.bmp", screenRect().right, screenRect().bottom, frame);
    EXPECT_GT(distinctColours(frame), 64u);
    int bandPixels = 0;
    for (uint32_t p : frame)
        for (uint32_t band : BandColours)
            if (closeTo(p, band, 40))
                bandPixels++;
    EXPECT_GT(bandPixels, 1000) << "no cloth with the desktop's colours in the frame";

    const long afterWindow = endRunWithEscape(saver, renderer);
    EXPECT_GE(afterWindow, 0);
    std::printf("saver ended %ld ms after the renderer's window\n", afterWindow);
    const std::string trace = saver.trace();
    EXPECT_GT(Occurrences(trace, "MP3Play"), 0) << "the music never started";
    const size_t closed = trace.find("close MP3Play");
    ASSERT_NE(closed, std::string::npos) << "the music was not stopped";
    EXPECT_LT(closed, trace.find(ShowCursorAgain));
}

TEST_F(Saver, RunEndsWhenTheRendererIsKilledOrNeverStarts) {
    {
        SCOPED_TRACE("killed");
        const std::wstring folder = saverFolder(L"killed", Renderer::Real);
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        HWND renderer = WaitForWindow(RendererTitle, 15000);
        ASSERT_NE(renderer, nullptr);
        DWORD rendererId = 0;
        GetWindowThreadProcessId(renderer, &rendererId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, rendererId);
        ASSERT_NE(process, nullptr);
        TerminateProcess(process, 9);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
        ASSERT_TRUE(WaitUntilGone(RendererTitle, 5000));
        const DWORD gone = GetTickCount();
        EXPECT_TRUE(saver.endsWithin(3000));
        std::printf("saver ended %lu ms after the killed renderer's window\n", GetTickCount() - gone);
        EXPECT_EQ(Occurrences(saver.trace(), ShowCursorAgain), 1);
        expectNothingLeft();
    }
    struct Case {
        const char* name;
        Renderer renderer;
        const char* probeMode;
    };
    for (const Case c : {Case{"exits at once", Renderer::Probe, "exit"},
                         Case{"not a program", Renderer::NotAProgram, nullptr}}) {
        SCOPED_TRACE(c.name);
        const std::wstring folder = saverFolder(L"never", c.renderer, c.probeMode);
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        EXPECT_TRUE(saver.endsWithin(5000));
        EXPECT_EQ(Occurrences(saver.trace(), HideCursor), 1);
        EXPECT_EQ(Occurrences(saver.trace(), ShowCursorAgain), 1);
        expectNothingLeft();
    }
}

TEST_F(Saver, SlowRendererIsNotTakenForAClosedOne) {
    const std::wstring folder = saverFolder(L"slow", Renderer::Probe, "slow");
    Process saver;
    ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
    HWND renderer = WaitForWindow(RendererTitle, 10000);
    ASSERT_NE(renderer, nullptr);
    Pump(1200);
    EXPECT_FALSE(saver.endsWithin(0)) << "the run ended while the renderer's window was there";
    EXPECT_GE(endRunWithEscape(saver, renderer), 0);
}

TEST_F(Saver, RunUsesTheTemporaryFolderWhenTheRootOfCIsUnusable) {
    BlockedRoot blocked;
    {
        SCOPED_TRACE("probe");
        const std::wstring folder = saverFolder(L"fallback", Renderer::Probe);
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        HWND renderer = WaitForWindow(RendererTitle, 10000);
        ASSERT_NE(renderer, nullptr);
        wchar_t temporary[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporary);
        std::wstring expected = temporary;
        expected.pop_back();
        EXPECT_EQ(reportValue(folder, "handover"), narrow(expected));
        EXPECT_EQ(reportValue(folder, "desktop"), std::to_string(expectedDesktopBytes()));
        EXPECT_EQ(reportValue(folder, "light"), std::to_string(54 + 128 * 128 * 3));
        EXPECT_GE(endRunWithEscape(saver, renderer), 0);
        expectNothingLeft();
    }
    {
        SCOPED_TRACE("renderer");
        const std::wstring folder = saverFolder(L"fallback-real", Renderer::Real);
        BandsOnScreen bands;
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        HWND renderer = WaitForWindow(RendererTitle, 15000);
        ASSERT_NE(renderer, nullptr);
        DestroyWindow(bands.window);
        Pump(3000);
        const std::vector<uint32_t> frame = CaptureScreen(screenRect());
        SaveBmp(folder + L"\\fallback-frame.bmp", screenRect().right, screenRect().bottom, frame);
        int bandPixels = 0;
        for (uint32_t p : frame)
            for (uint32_t band : BandColours)
                if (closeTo(p, band, 40))
                    bandPixels++;
        EXPECT_GT(bandPixels, 1000) << "the renderer did not show the captured desktop";
        EXPECT_GE(endRunWithEscape(saver, renderer), 0);
    }
}

// The platform under test does not draw a child window of another process (its pixels go nowhere), so
// this checks the window the preview puts into the pane; preview_win32_test checks its pixels in-process.
TEST_F(Saver, PreviewFillsThePaneAsItsChildAndEndsWithIt) {
    // Without the renderer file beside it: the preview does not need it.
    const std::wstring folder = saverFolder(L"preview", Renderer::None);
    struct Case {
        int width, height;
        const wchar_t* prefix;
    };
    for (const Case c : {Case{152, 112, L"/p "}, Case{300, 200, L"/p:"}, Case{100, 80, L"/p9"}}) {
        Pane pane(c.width, c.height);
        const std::wstring arguments = c.prefix + pane.handleText();
        SCOPED_TRACE(narrow(arguments) + " into " + std::to_string(c.width) + " x " +
                     std::to_string(c.height));
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, arguments));
        HWND preview = WaitForChild(pane.window, L"Preview Window", 10000);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(GetParent(preview), pane.window);
        // Made a child first, shown last.
        for (int i = 0; i < 300 && !IsWindowVisible(preview); i++)
            Pump(10);
        EXPECT_TRUE(IsWindowVisible(preview));
        const LONG style = GetWindowLongW(preview, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_FALSE(style & (WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME));
        RECT inner, outer;
        GetWindowRect(preview, &inner);
        GetWindowRect(pane.window, &outer);
        EXPECT_EQ(inner.left, outer.left);
        EXPECT_EQ(inner.top, outer.top);
        EXPECT_EQ(inner.right - inner.left, c.width);
        EXPECT_EQ(inner.bottom - inner.top, c.height);
        // Several previews may run at once: a second one into the same pane starts too.
        Process another;
        ASSERT_TRUE(StartSaver(another, folder, L"/p " + pane.handleText()));
        auto previews = [&pane] {
            int count = 0;
            for (HWND w = FindWindowExW(pane.window, nullptr, nullptr, L"Preview Window"); w;
                 w = FindWindowExW(pane.window, w, nullptr, L"Preview Window"))
                count++;
            return count;
        };
        for (int i = 0; i < 500 && previews() < 2; i++)
            Pump(10);
        EXPECT_EQ(previews(), 2);

        DestroyWindow(pane.window);
        EXPECT_TRUE(saver.endsWithin(3000)) << "the preview outlived its pane";
        EXPECT_TRUE(another.endsWithin(3000)) << "the preview outlived its pane";
    }
    // A handle that names no window: nothing to show, the preview ends at once.
    Process nowhere;
    ASSERT_TRUE(StartSaver(nowhere, folder, L"/p 0"));
    EXPECT_TRUE(nowhere.endsWithin(3000));
}

TEST_F(Saver, WithoutTheRendererRunAndSettingsShowTheMessage) {
    const std::wstring folder = saverFolder(L"missing", Renderer::None);
    const std::wstring message = L"Zandrel.dll \u304C\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B\u898B"
                                 L"\u3064\u304B\u308A\u307E\u305B\u3093\uFF01";
    for (const wchar_t* arguments : {L"/s", L"/c"}) {
        SCOPED_TRACE(narrow(arguments));
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, arguments));
        HWND box = nullptr;
        for (int i = 0; i < 1000 && !box; i++) {
            box = WindowOfProcess(saver.id, L"#32770");
            Pump(10);
        }
        ASSERT_NE(box, nullptr) << "no message box";
        wchar_t title[64] = {}, text[256] = {};
        GetWindowTextW(box, title, 64);
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_STREQ(title, L"Zandrel");
        EXPECT_EQ(std::wstring(text), message);
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        HWND icon = GetDlgItem(box, 1088);
        EXPECT_TRUE(!icon || !IsWindowVisible(icon) || !SendMessageW(icon, STM_GETICON, 0, 0)) << "an icon";
        EXPECT_EQ(FindWindowW(nullptr, RunTitle), nullptr);
        EXPECT_EQ(FindWindowW(nullptr, DialogTitle), nullptr);
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(saver.endsWithin(3000));
        EXPECT_EQ(Occurrences(saver.trace(), "NtUserShowCursor"), 0);
    }
}

TEST_F(Saver, SettingsDialogOpensAndASecondStartEndsAtOnce) {
    const std::wstring folder = saverFolder(L"settings", Renderer::Probe);
    for (const wchar_t* arguments : {L"/c", L"/c:1234"}) {
        SCOPED_TRACE(narrow(arguments));
        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, arguments));
        HWND dialog = WaitForWindow(DialogTitle, 10000);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetParent(dialog), nullptr);
        {
            Pane pane(152, 112);
            Process second;
            ASSERT_TRUE(StartSaver(second, folder, L"/p " + pane.handleText()));
            EXPECT_TRUE(second.endsWithin(3000));
            EXPECT_EQ(FindWindowExW(pane.window, nullptr, nullptr, nullptr), nullptr);
        }
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(saver.endsWithin(5000));
    }
    EXPECT_FALSE(Exists(folder + L"\\probe_report.txt")) << "the renderer was started";
}

TEST_F(Saver, SecondStartDuringARunEndsAtOnce) {
    const std::wstring folder = saverFolder(L"second", Renderer::Probe);
    Process saver;
    ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
    HWND renderer = WaitForWindow(RendererTitle, 10000);
    ASSERT_NE(renderer, nullptr);
    DeleteFileW((folder + L"\\probe_report.txt").c_str());
    Pane pane(152, 112);
    for (const std::wstring& arguments :
         {std::wstring(L"/s"), std::wstring(L"/c"), L"/p " + pane.handleText()}) {
        SCOPED_TRACE(narrow(arguments));
        Process second;
        ASSERT_TRUE(StartSaver(second, folder, arguments));
        EXPECT_TRUE(second.endsWithin(3000));
        EXPECT_EQ(Occurrences(second.trace(), "NtUserShowCursor"), 0);
    }
    EXPECT_FALSE(Exists(folder + L"\\probe_report.txt")) << "a second renderer was started";
    EXPECT_EQ(FindWindowW(nullptr, DialogTitle), nullptr);
    EXPECT_EQ(FindWindowExW(pane.window, nullptr, nullptr, nullptr), nullptr);
    EXPECT_GE(endRunWithEscape(saver, renderer), 0);
}

TEST(SaverPrograms, BothDeclarePerMonitorDpiAwareness) {
    for (const std::wstring& program : {saverFile(), binFile(L"Zandrel.dll")}) {
        SCOPED_TRACE(narrow(program));
        HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
        ASSERT_NE(found, nullptr) << "no manifest";
        const char* text = (const char*)LockResource(LoadResource(module, found));
        const std::string manifest(text, SizeofResource(module, found));
        EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
        EXPECT_NE(manifest.find("true/pm"), std::string::npos);
        FreeLibrary(module);
    }
}

} // namespace
