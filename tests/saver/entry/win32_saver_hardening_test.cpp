// Zandrel.scr under load and faults: runs one after another, the renderer or the saver killed mid-run,
// music that went missing before the run, two starts at once. Each ends with nothing of ours left running,
// the settings file as it was and the cursor shown as often as it was hidden.
// ZANDREL_SAVER_RUNS (5) is the number of consecutive runs, ZANDREL_SAVER_DOUBLE_STARTS (3) the rounds of
// two starts at once.
#include "win32_handle_census.h"
#include "win32_saver_driver.h"

#include "saver/settings.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Driver;

namespace {

const wchar_t* const RendererTitle = L"Zandrel_VC";
const wchar_t* const RunTitle = L"Zandrel_Main";
const char* const HideCursor = "NtUserShowCursor 0,";
const char* const ShowCursorAgain = "NtUserShowCursor 1,";

std::string narrow(const std::wstring& wide) {
    std::string text;
    for (wchar_t c : wide)
        text += (char)c;
    return text;
}

int fromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

std::wstring binFile(const wchar_t* name) {
    return WindowsPath(ZANDREL_BIN_DIR) + L"\\" + name;
}

// A folder with the saver, the real renderer and its shader files.
std::wstring saverFolder(const wchar_t* name) {
    const std::wstring folder = FreshFolder(name);
    CopyInto(folder, WindowsPath(ZANDREL_SAVER_EXE));
    CopyInto(folder, binFile(L"Zandrel.dll"));
    CopyInto(folder, binFile(L"lighting.shd"));
    CopyInto(folder, binFile(L"sphere.shd"));
    return folder;
}

// Writes the music settings into the folder's settings file and gives its bytes as written.
std::string writeSettings(const std::wstring& folder, const char* kind, const std::string& file) {
    const std::string ini = narrow(folder) + "\\Zandrel.ini";
    DeleteFileA(ini.c_str());
    WritePrivateProfileStringA(Morvex_B::SettingsSection, Morvex_B::KeyBgmKind, kind, ini.c_str());
    WritePrivateProfileStringA(Morvex_B::SettingsSection, Morvex_B::KeyBgmRepeatTrack, "0", ini.c_str());
    WritePrivateProfileStringA(Morvex_B::SettingsSection, Morvex_B::KeyBgmFile, file.c_str(), ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str()); // flush the platform's cache
    return ReadText(Wide(ini));
}

std::string settingsNow(const std::wstring& folder) {
    return ReadText(folder + L"\\Zandrel.ini");
}

DWORD processOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

// What can be read of a process from outside: its handles, GDI and user objects (-1 when unreadable).
struct Resources {
    long handles = -1, gdiObjects = -1, userObjects = -1;
};
Resources resourcesOf(HANDLE process) {
    Resources r;
    if (process) {
        r.handles = HandlesOfProcess(GetProcessId(process));
        r.gdiObjects = (long)GetGuiResources(process, GR_GDIOBJECTS);
        r.userObjects = (long)GetGuiResources(process, GR_USEROBJECTS);
    }
    return r;
}

// The cursor ends visible when the process showed it again as often as it hid it.
void expectCursorBalanced(const std::string& trace, int hides) {
    EXPECT_EQ(Occurrences(trace, HideCursor), hides);
    EXPECT_EQ(Occurrences(trace, ShowCursorAgain), hides);
}

void expectNothingLeft() {
    for (int i = 0; i < 300 && (ProcessesNamed(L"Zandrel.scr") || ProcessesNamed(L"Zandrel.dll")); i++)
        Pump(10);
    EXPECT_EQ(ProcessesNamed(L"Zandrel.scr"), 0);
    EXPECT_EQ(ProcessesNamed(L"Zandrel.dll"), 0);
    EXPECT_EQ(FindWindowW(nullptr, RendererTitle), nullptr);
    EXPECT_EQ(FindWindowW(nullptr, RunTitle), nullptr);
    EXPECT_TRUE(CursorShowing());
}

// A renderer of the run opened for watching; ends it with Escape.
struct RendererProcess {
    HWND window = nullptr;
    DWORD id = 0;
    HANDLE handle = nullptr;
    explicit RendererProcess(HWND w) : window(w), id(processOf(w)) {
        handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    }
    ~RendererProcess() {
        if (handle)
            CloseHandle(handle);
    }
    bool running() const { return handle && WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }
    bool escape() const {
        SetForegroundWindow(window);
        Pump(50);
        PressKey(VK_ESCAPE);
        return WaitUntilGone(RendererTitle, 5000);
    }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (handle && WaitForSingleObject(handle, 5000) == WAIT_OBJECT_0)
            GetExitCodeProcess(handle, &code);
        return code;
    }
};

long median(std::vector<long> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Ends the renderers that the given saver started (a second run that should not be there).
void endRenderersOf(DWORD saverId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == saverId && _wcsicmp(entry.szExeFile, L"Zandrel.dll") == 0)
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
                TerminateProcess(process, 1);
                CloseHandle(process);
            }
    CloseHandle(snapshot);
}

class SaverHardening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(TraceLog().empty()) << "no trace log: run through ctest (run_traced.sh)";
        RemoveDirectoryW(L"C:\\Zandrel1.bmp"); // left by a run that was cut short
        ASSERT_EQ(ProcessesNamed(L"Zandrel.scr"), 0) << "a saver from elsewhere is running";
        ASSERT_EQ(ProcessesNamed(L"Zandrel.dll"), 0) << "a renderer from elsewhere is running";
    }
    void TearDown() override { expectNothingLeft(); }
};

TEST_F(SaverHardening, ConsecutiveRunsLeaveNothingBehind) {
    const int runs = fromEnvironment("ZANDREL_SAVER_RUNS", 5);
    const std::wstring folder = saverFolder(L"runs");
    const std::string settings = writeSettings(folder, "0", "");
    const int processesBefore = ProcessesNamed(nullptr);
    std::vector<long> startups, ends;
    std::vector<Resources> saverMidRun, saverAtEnd, rendererMidRun;
    int cursorHiddenMidRun = 0;
    for (int run = 1; run <= runs; run++) {
        SCOPED_TRACE("run " + std::to_string(run));
        Process saver;
        const DWORD started = GetTickCount();
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        HWND window = WaitForWindow(RendererTitle, 15000);
        ASSERT_NE(window, nullptr);
        startups.push_back((long)(GetTickCount() - started));
        RendererProcess renderer(window);
        Pump(1000);
        saverMidRun.push_back(resourcesOf(saver.handle));
        cursorHiddenMidRun += CursorShowing() ? 0 : 1;
        rendererMidRun.push_back(resourcesOf(renderer.handle));

        ASSERT_TRUE(renderer.escape());
        const DWORD gone = GetTickCount();
        // The saver still lives for up to one tick of its watch: its counts shortly before it ends.
        saverAtEnd.push_back(resourcesOf(saver.handle));
        ASSERT_TRUE(saver.endsWithin(3000));
        ends.push_back((long)(GetTickCount() - gone));
        EXPECT_EQ(saver.exitCode(), 0u);
        EXPECT_EQ(renderer.exitCode(), 0u);
        expectCursorBalanced(saver.trace(), 1);
        expectNothingLeft();
        EXPECT_EQ(settingsNow(folder), settings);
        if (runs <= 10 || run % 10 == 0 || run == 1)
            std::printf("figure run %d: renderer window %ld ms after start, saver end %ld ms after it; "
                        "saver handles %ld/%ld gdi %ld/%ld user %ld/%ld (mid-run/at end); renderer handles "
                        "%ld gdi %ld user %ld\n",
                        run, startups.back(), ends.back(), saverMidRun.back().handles,
                        saverAtEnd.back().handles, saverMidRun.back().gdiObjects,
                        saverAtEnd.back().gdiObjects, saverMidRun.back().userObjects,
                        saverAtEnd.back().userObjects, rendererMidRun.back().handles,
                        rendererMidRun.back().gdiObjects, rendererMidRun.back().userObjects);
    }
    const int processesAfter = ProcessesNamed(nullptr);
    EXPECT_EQ(processesAfter, processesBefore) << "processes left behind";

    // Start-up across the runs: the first, the rest's first and last fifth, as figures.
    const size_t fifth = std::max<size_t>(1, startups.size() / 5);
    const std::vector<long> early(startups.begin() + (startups.size() > 1 ? 1 : 0),
                                  startups.begin() + std::min(startups.size(), fifth + 1));
    const std::vector<long> late(startups.end() - (long)fifth, startups.end());
    std::printf("figure %d runs: renderer window after start: first %ld ms, median of runs 2-%zu %ld ms, "
                "median of the last %zu %ld ms, max %ld ms; saver end after the window: median %ld ms, max "
                "%ld ms; processes on the platform %d before, %d after\n",
                runs, startups.front(), early.size() + 1, median(early), fifth, median(late),
                *std::max_element(startups.begin(), startups.end()), median(ends),
                *std::max_element(ends.begin(), ends.end()), processesBefore, processesAfter);
    std::string fifths;
    for (size_t part = 0; part < 5 && startups.size() >= 5; part++) {
        const size_t from = startups.size() * part / 5, to = startups.size() * (part + 1) / 5;
        fifths += " " +
                  std::to_string(
                      median(std::vector<long>(startups.begin() + (long)from, startups.begin() + (long)to))) +
                  " ms";
    }
    std::printf("figure renderer window after start, median of each fifth of the runs:%s\n", fifths.c_str());
    std::printf("figure saver handles mid-run: first %ld last %ld; renderer handles mid-run: first %ld last "
                "%ld; cursor hidden mid-run in %d of %d runs\n",
                saverMidRun.front().handles, saverMidRun.back().handles, rendererMidRun.front().handles,
                rendererMidRun.back().handles, cursorHiddenMidRun, runs);
}

TEST_F(SaverHardening, KilledRendererEndsTheRunAndStopsTheMusic) {
    const std::wstring folder = saverFolder(L"renderer-killed");
    const std::string music = narrow(folder) + "\\music.mp3";
    WriteText(Wide(music), "ID3 not really music");
    const std::string settings = writeSettings(folder, "2", music);
    Process saver;
    ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
    HWND window = WaitForWindow(RendererTitle, 15000);
    ASSERT_NE(window, nullptr);
    RendererProcess renderer(window);
    ASSERT_NE(renderer.handle, nullptr);
    Pump(1000);
    TerminateProcess(renderer.handle, 9);
    ASSERT_TRUE(WaitUntilGone(RendererTitle, 5000));
    const DWORD gone = GetTickCount();
    // One tick of the 500 ms watch and the end, with room for a loaded machine.
    EXPECT_TRUE(saver.endsWithin(2000));
    std::printf("figure saver ended %lu ms after the killed renderer's window\n", GetTickCount() - gone);
    EXPECT_EQ(saver.exitCode(), 0u);
    const std::string trace = saver.trace();
    expectCursorBalanced(trace, 1);
    EXPECT_NE(trace.find("close MP3Play"), std::string::npos) << "the music was not stopped";
    EXPECT_EQ(settingsNow(folder), settings);
}

TEST_F(SaverHardening, KilledSaverLeavesTheRendererToEndNormally) {
    const std::wstring folder = saverFolder(L"saver-killed");
    const std::string settings = writeSettings(folder, "0", "");
    Process saver;
    ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
    HWND window = WaitForWindow(RendererTitle, 15000);
    ASSERT_NE(window, nullptr);
    RendererProcess renderer(window);
    Pump(500);
    TerminateProcess(saver.handle, 9);
    ASSERT_TRUE(saver.endsWithin(3000));
    Pump(1500);
    EXPECT_TRUE(renderer.running()) << "the renderer went with the saver";
    EXPECT_EQ(FindWindowW(nullptr, RendererTitle), window);
    EXPECT_EQ(FindWindowW(nullptr, RunTitle), nullptr) << "the killed saver's form is still there";

    ASSERT_TRUE(renderer.escape());
    EXPECT_EQ(renderer.exitCode(), 0u);
    // The saver hid the cursor and died before showing it again: the count went with its thread, and the
    // cursor shows once the renderer has gone too (checked with what is left).
    EXPECT_EQ(Occurrences(saver.trace(), HideCursor), 1);
    EXPECT_EQ(Occurrences(saver.trace(), ShowCursorAgain), 0);
    EXPECT_EQ(settingsNow(folder), settings);
}

TEST_F(SaverHardening, MusicFileGoneBeforeTheRunPlaysNothingAndTheRunGoesOn) {
    for (const char* name : {"gone.mp3", "gone.WAV"}) {
        SCOPED_TRACE(name);
        const std::wstring folder = saverFolder(L"music-gone");
        const std::string music = narrow(folder) + "\\" + name;
        WriteText(Wide(music), "RIFF not really music");
        const std::string settings = writeSettings(folder, "2", music);
        ASSERT_TRUE(DeleteFileA(music.c_str()));

        Process saver;
        ASSERT_TRUE(StartSaver(saver, folder, L"/s"));
        HWND window = WaitForWindow(RendererTitle, 15000);
        ASSERT_NE(window, nullptr);
        RendererProcess renderer(window);
        Pump(1200);
        EXPECT_FALSE(saver.endsWithin(0)) << "the missing music ended the run";
        ASSERT_TRUE(renderer.escape());
        EXPECT_TRUE(saver.endsWithin(3000));
        EXPECT_EQ(saver.exitCode(), 0u);
        EXPECT_EQ(renderer.exitCode(), 0u);
        const std::string trace = saver.trace();
        expectCursorBalanced(trace, 1);
        // The settings drop a file that is not there: no device is opened, nothing is played.
        EXPECT_EQ(Occurrences(trace, "MP3Play"), 0);
        EXPECT_EQ(Occurrences(trace, "mciSendStringW ("), 0);
        EXPECT_FALSE(Exists(Wide(music))) << "the saver made the music file";
        EXPECT_EQ(settingsNow(folder), settings);
        expectNothingLeft();
    }
}

TEST_F(SaverHardening, TwoStartsWithinOneSecondGiveOneRun) {
    const int rounds = fromEnvironment("ZANDREL_SAVER_DOUBLE_STARTS", 3);
    const std::wstring folder = saverFolder(L"double-start");
    const std::string settings = writeSettings(folder, "0", "");
    const DWORD delays[] = {0, 150, 600};
    for (int round = 0; round < rounds; round++) {
        const DWORD delay = delays[round % 3];
        SCOPED_TRACE("second start " + std::to_string(delay) + " ms after the first");
        Process first, second;
        ASSERT_TRUE(StartSaver(first, folder, L"/s"));
        if (delay)
            Sleep(delay);
        ASSERT_TRUE(StartSaver(second, folder, L"/s"));
        HWND window = WaitForWindow(RendererTitle, 15000);
        ASSERT_NE(window, nullptr);
        // Time for a second renderer to show up, if one was started.
        Pump(2500);
        const int renderers = ProcessesNamed(L"Zandrel.dll");
        EXPECT_EQ(renderers, 1) << "more than one run";
        std::printf("figure second start after %lu ms: %d renderer processes\n", delay, renderers);
        if (renderers > 1) {
            endRenderersOf(first.id);
            endRenderersOf(second.id);
            continue;
        }
        const bool firstRuns = !first.endsWithin(0), secondRuns = !second.endsWithin(0);
        EXPECT_NE(firstRuns, secondRuns) << "both savers or neither still run";

        RendererProcess renderer(window);
        ASSERT_TRUE(renderer.escape());
        EXPECT_TRUE(first.endsWithin(3000));
        EXPECT_TRUE(second.endsWithin(3000));
        EXPECT_EQ(renderer.exitCode(), 0u);
        // The start that ended at once never touched the cursor.
        const std::string firstTrace = first.trace(), secondTrace = second.trace();
        expectCursorBalanced(firstRuns ? firstTrace : secondTrace, 1);
        expectCursorBalanced(firstRuns ? secondTrace : firstTrace, 0);
        EXPECT_EQ(settingsNow(folder), settings);
        expectNothingLeft();
    }
}

} // namespace
