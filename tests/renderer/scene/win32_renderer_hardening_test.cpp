// The real renderer under Wine when things go wrong: hand-over bitmaps as an attacker would plant them,
// the shader files missing, the process killed mid-run, and a long run watched for growing memory and a
// drifting frame time. Figures are printed on lines starting with "[figure]".
#include "renderer/framework/program_runner.h"
#include "win32_handover_fixture.h"
#include "win32_renderer_watch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const DWORD windowTimeout = 15000;
// A renderer that has not ended by then hangs.
const DWORD exitTimeout = 15000;

void put16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    out[at] = (uint8_t)value;
    out[at + 1] = (uint8_t)(value >> 8);
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    put16(out, at, value & 0xFFFF);
    put16(out, at + 2, value >> 16);
}

// A 24-bit bitmap header claiming width x height, followed by rowBytes bytes of rows.
std::vector<uint8_t> claimedBitmap(int32_t width, int32_t height, size_t rowBytes = 64) {
    std::vector<uint8_t> file(54 + rowBytes, 0x5A);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, (uint32_t)file.size());
    put32(file, 6, 0);
    put32(file, 10, 54);
    put32(file, 14, 40);
    put32(file, 18, (uint32_t)width);
    put32(file, 22, (uint32_t)height);
    put16(file, 26, 1);
    put16(file, 28, 24);
    put32(file, 30, 0);
    put32(file, 34, 0);
    put32(file, 46, 0);
    return file;
}

std::vector<uint8_t> randomBytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = (uint8_t)(seed >> 24);
    }
    return bytes;
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

struct HostileFile {
    const char* name;
    std::vector<uint8_t> bytes;
};

// What an attacker could leave at the hand-over path instead of a bitmap. validPicture is the file that
// the hostile one imitates (its first rows, or its header with other sizes).
std::vector<HostileFile> hostileFiles(const std::vector<uint8_t>& validPicture) {
    std::vector<uint8_t> truncated(validPicture.begin(),
                                   validPicture.begin() + (long)validPicture.size() / 2);
    std::vector<uint8_t> garbage = randomBytes(4096, 2026);
    std::vector<uint8_t> garbageBitmap = randomBytes(4096, 4711);
    garbageBitmap[0] = 'B';
    garbageBitmap[1] = 'M';
    return {
        {"truncated", truncated},
        {"65535x65535", claimedBitmap(65535, 65535)},
        {"65536x65536", claimedBitmap(65536, 65536)},
        {"2^31-1 wide", claimedBitmap(INT32_MAX, 768)},
        {"2^31-1 high", claimedBitmap(1024, INT32_MAX)},
        {"height -65535", claimedBitmap(65535, -65535)},
        {"height -2^31", claimedBitmap(1024, INT32_MIN)},
        {"zero bytes", {}},
        {"garbage", garbage},
        {"garbage after BM", garbageBitmap},
    };
}

// Starts program from the working folder with the bitmaps of handover.
bool startIn(ProgramRunner& runner, const char* program, const std::string& handover,
             const std::string& working) {
    SetEnvironmentVariableA("ZANDREL_HANDOVER_DIR", handover.c_str());
    std::string back = currentFolder();
    SetCurrentDirectoryA(working.c_str());
    bool started = runner.start(windowsPath(program));
    SetCurrentDirectoryA(back.c_str());
    return started;
}

// A 64 x 48 picture of grey rows: the smallest cloth a hostile file could be measured against.
std::vector<uint8_t> smallBitmap() {
    return claimedBitmap(64, 48, 64 * 3 * 48);
}

// Runs the renderer on the bitmaps in handover for a couple of seconds: its peak memory is what a real
// picture costs.
ChildMemory validRun(const std::string& handover, DWORD& startupMs) {
    ChildMemory memory;
    ProgramRunner runner;
    DWORD start = GetTickCount();
    EXPECT_TRUE(startIn(runner, MORVEX_PROGRAM, handover, windowsPath(PROGRAM_FOLDER)));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    startupMs = GetTickCount() - start;
    EXPECT_NE(hwnd, nullptr);
    if (hwnd == nullptr)
        return memory;
    DWORD since = GetTickCount();
    while (GetTickCount() - since < 2000 && runner.running()) {
        sampleMemory(runner.process.hProcess, memory);
        Sleep(20);
    }
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    DWORD elapsed = 0;
    EXPECT_EQ(waitSampling(runner.process.hProcess, exitTimeout, memory, elapsed), 0);
    return memory;
}

std::string memoryText(const ChildMemory& memory) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "peak pagefile %.1f MB, peak working set %.1f MB, peak virtual %.1f MB (%d samples)",
                  megabytes(memory.peakPagefile), megabytes(memory.peakWorkingSet),
                  megabytes(memory.peakVirtual), memory.samples);
    return text;
}

bool sameMode(const DEVMODEA& a, const DEVMODEA& b) {
    return a.dmPelsWidth == b.dmPelsWidth && a.dmPelsHeight == b.dmPelsHeight &&
           a.dmBitsPerPel == b.dmBitsPerPel;
}

DEVMODEA currentMode() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return mode;
}

} // namespace

TEST(RendererHardening, HostileHandoverFilesEndTheRendererAtOnce) {
    std::string large = handoverFolder("hardening-valid", true, true);
    std::vector<uint8_t> cloth = readFile(large + "\\Zandrel1.bmp");
    std::vector<uint8_t> sprite = readFile(windowsPath(LIGHT_SPOT_PICTURE));
    ASSERT_FALSE(cloth.empty());
    ASSERT_FALSE(sprite.empty());
    std::string small = makeFolder("hardening-valid-small");
    ASSERT_TRUE(writeFile(small + "\\Zandrel1.bmp", smallBitmap()));
    ASSERT_TRUE(writeFile(small + "\\Zandrel2.bmp", sprite));

    // A hostile file is measured against the small picture: it may cost no more than that.
    DWORD startupMs = 0;
    ChildMemory valid = validRun(small, startupMs);
    ASSERT_GT(valid.samples, 0);
    std::printf("[figure] valid 64 x 48 cloth: window after %lu ms, %s\n", startupMs,
                memoryText(valid).c_str());
    ChildMemory largeValid = validRun(large, startupMs);
    std::printf("[figure] valid 1024 x 768 cloth: window after %lu ms, %s\n", startupMs,
                memoryText(largeValid).c_str());

    const struct {
        const char* file;
        bool clothIsHostile;
        const std::vector<uint8_t>& imitated;
    } targets[] = {{"Zandrel1.bmp", true, cloth}, {"Zandrel2.bmp", false, sprite}};
    int run = 0;
    for (const auto& target : targets) {
        for (const HostileFile& hostile : hostileFiles(target.imitated)) {
            std::string folder = makeFolder("hardening-hostile-" + std::to_string(run++));
            ASSERT_TRUE(writeFile(folder + "\\Zandrel1.bmp", target.clothIsHostile ? hostile.bytes : cloth));
            ASSERT_TRUE(writeFile(folder + "\\Zandrel2.bmp", target.clothIsHostile ? sprite : hostile.bytes));

            ProgramRunner runner;
            ASSERT_TRUE(startIn(runner, MORVEX_PROGRAM, folder, windowsPath(PROGRAM_FOLDER)));
            ChildMemory memory;
            DWORD elapsed = 0;
            long code = waitSampling(runner.process.hProcess, exitTimeout, memory, elapsed);
            std::printf("[figure] %s %s (%zu bytes): exit %ld after %lu ms, %s\n", target.file, hostile.name,
                        hostile.bytes.size(), code, elapsed, memoryText(memory).c_str());
            EXPECT_EQ(code, 0) << target.file << " " << hostile.name;
            EXPECT_FALSE(windowRemains("Zandrel_VC", 3000)) << target.file << " " << hostile.name;
            // A refused picture costs no more than a small real one: nothing was reserved for the size it
            // claimed.
            EXPECT_LE(memory.peakPagefile, valid.peakPagefile) << target.file << " " << hostile.name;
            EXPECT_LE(memory.peakWorkingSet, valid.peakWorkingSet) << target.file << " " << hostile.name;
            // Wine's own reservations move the address space's peak by some 50 MB from run to run; any
            // block a header could buy within the image limits (up to 256 MB) would still show.
            EXPECT_LE(memory.peakVirtual, valid.peakVirtual + (128u << 20))
                << target.file << " " << hostile.name;
        }
    }
    EXPECT_EQ(countProcesses("Zandrel.dll"), 0);
}

TEST(RendererHardening, MissingShaderFilesEndTheRendererAtOnce) {
    if (shadersHidden())
        GTEST_SKIP() << "without the shader extensions the shader files are never read";
    std::string handover = handoverFolder("hardening-shaderless", true, true);
    ProgramRunner runner;
    ASSERT_TRUE(startIn(runner, MORVEX_PROGRAM, handover, makeFolder("hardening-no-shader-files")));
    ChildMemory memory;
    DWORD elapsed = 0;
    long code = waitSampling(runner.process.hProcess, exitTimeout, memory, elapsed);
    std::printf("[figure] no shader files: exit %ld after %lu ms\n", code, elapsed);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(windowRemains("Zandrel_VC", 3000));
    EXPECT_EQ(countProcesses("Zandrel.dll"), 0);
}

TEST(RendererHardening, KilledMidRunLeavesNoWindowAndNoProcess) {
    DEVMODEA before = currentMode();
    std::string handover = handoverFolder("hardening-killed", true, true);
    ProgramRunner runner;
    ASSERT_TRUE(startIn(runner, MORVEX_PROGRAM, handover, windowsPath(PROGRAM_FOLDER)));
    ASSERT_NE(runner.waitForWindow(windowTimeout), nullptr);
    Sleep(1500);
    ASSERT_TRUE(runner.running());
    ASSERT_TRUE(TerminateProcess(runner.process.hProcess, 7));
    ASSERT_EQ(WaitForSingleObject(runner.process.hProcess, exitTimeout), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(runner.process.hProcess, &code);
    EXPECT_EQ(code, 7u);
    DWORD start = GetTickCount();
    bool remains = windowRemains("Zandrel_VC", 5000);
    std::printf("[figure] killed renderer: window gone after %lu ms\n", GetTickCount() - start);
    EXPECT_FALSE(remains);
    EXPECT_EQ(countProcesses("Zandrel.dll"), 0);
    EXPECT_TRUE(sameMode(before, currentMode())) << "the display mode was not restored";
}

struct FrameWindow {
    long frames = 0;
    double ms = 0.0;
    double meanMs() const { return frames > 0 ? ms / (double)frames : 0.0; }
};

// The frame log's lines as "seconds frames ms_per_frame"; the mean frame time of the first and of the
// last span seconds of it.
bool frameWindows(const std::string& log, double span, FrameWindow& first, FrameWindow& last, long& total) {
    std::vector<double> at, ms;
    std::vector<long> frames;
    std::istringstream lines(readText(log));
    double a = 0.0, m = 0.0;
    long f = 0;
    while (lines >> a >> f >> m) {
        at.push_back(a);
        frames.push_back(f);
        ms.push_back(m);
    }
    total = 0;
    for (size_t i = 0; i < at.size(); i++) {
        total += frames[i];
        FrameWindow* window = at[i] <= span ? &first : at[i] > at.back() - span ? &last : nullptr;
        if (window != nullptr) {
            window->frames += frames[i];
            window->ms += ms[i] * (double)frames[i];
        }
    }
    return !at.empty();
}

// ZANDREL_ENDURANCE_SECONDS (20) long; private bytes early (at 5 s, or at 60 s in runs of two minutes and
// more) and at the end must not grow by more than a generous bound. The frame times are figures only.
TEST(RendererHardening, LongRunKeepsItsMemory) {
    const char* setting = std::getenv("ZANDREL_ENDURANCE_SECONDS");
    int seconds = setting != nullptr && std::atoi(setting) > 0 ? std::atoi(setting) : 20;
    int early = seconds >= 120 ? 60 : 5;
    std::string handover = handoverFolder("hardening-endurance", true, true);
    std::string log = makeFolder("hardening-endurance-log") + "\\frames.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("ZANDREL_FRAME_LOG", log.c_str());
    ProgramRunner runner;
    bool started = startIn(runner, FRAME_LOG_PROGRAM, handover, windowsPath(PROGRAM_FOLDER));
    SetEnvironmentVariableA("ZANDREL_FRAME_LOG", nullptr);
    ASSERT_TRUE(started);
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr);
    DWORD start = GetTickCount();
    ChildMemory memory;
    uint64_t earlyBytes = 0;
    // Private bytes at every multiple of the early moment, so that a steady climb shows from a single step.
    int nextSample = early;
    while (GetTickCount() - start < (DWORD)seconds * 1000) {
        ASSERT_TRUE(runner.running()) << "the renderer ended after " << (GetTickCount() - start) << " ms";
        if (GetTickCount() - start >= (DWORD)nextSample * 1000) {
            ASSERT_TRUE(sampleMemory(runner.process.hProcess, memory));
            if (earlyBytes == 0)
                earlyBytes = memory.privateBytes;
            std::printf("[figure] private bytes at %d s: %.2f MB\n", nextSample,
                        megabytes(memory.privateBytes));
            std::fflush(stdout);
            nextSample += early;
        }
        Sleep(100);
    }
    ASSERT_TRUE(sampleMemory(runner.process.hProcess, memory));
    uint64_t endBytes = memory.privateBytes;
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);

    FrameWindow first, last;
    long totalFrames = 0;
    EXPECT_TRUE(frameWindows(log, early, first, last, totalFrames)) << "no frame log at " << log;
    std::printf("[figure] %d s run: private bytes %.2f MB at %d s, %.2f MB at %d s (growth %+.2f MB)\n",
                seconds, megabytes(earlyBytes), early, megabytes(endBytes), seconds,
                (double)((int64_t)endBytes - (int64_t)earlyBytes) / (1024.0 * 1024.0));
    std::printf(
        "[figure] %d s run: %ld frames; mean frame time %.2f ms over the first %d s, %.2f ms over the "
        "last %d s\n",
        seconds, totalFrames, first.meanMs(), early, last.meanMs(), early);
    EXPECT_GT(earlyBytes, 0u);
    // A leak, not noise: 16 MB is far more than the allocator's own drift over such a run.
    EXPECT_LE(endBytes, earlyBytes + (16u << 20));
}
