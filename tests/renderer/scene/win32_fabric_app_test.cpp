// The finished renderer as a real process under Wine: the cloth falling onto the spheres on screen, for
// whichever lighting path the environment leaves (shaders, or fixed-function when MESA_EXTENSION_OVERRIDE
// hides them), and the three failures of load.
#include "renderer/framework/program_runner.h"
#include "win32_handover_fixture.h"
#include "win32_screen_shot.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

const DWORD windowTimeout = 15000;
const DWORD exitTimeout = 20000;

// Starts the renderer with the bitmaps in handover and the working folder that the shader files are
// looked up in.
bool startRenderer(ProgramRunner& runner, const std::string& handover, const std::string& working) {
    SetEnvironmentVariableA("ZANDREL_HANDOVER_DIR", handover.c_str());
    std::string back = currentFolder();
    SetCurrentDirectoryA(working.c_str());
    bool started = runner.start(windowsPath(MORVEX_PROGRAM));
    SetCurrentDirectoryA(back.c_str());
    return started;
}

void saveArtefact(const ScreenShot& shot, const char* when) {
    std::string folder = windowsPath(ARTEFACT_FOLDER);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + "\\fabric-" + lightingPathName() + "-" + when + ".png";
    EXPECT_TRUE(savePng(shot, path)) << path;
}

void expectDrawnScene(const ScreenShot& shot, const char* when) {
    ASSERT_FALSE(shot.rgb.empty()) << when;
    ShotStatistics stats = measure(shot);
    // Draped over a sphere far from the camera the cloth may cover only a tenth of the screen.
    EXPECT_GT(stats.litFraction, 0.05) << when << ": the frame is (nearly) black";
    EXPECT_GT(stats.distinctColors, 400) << when << ": too few colours for a lit, textured cloth";
    // Up to three single-coloured spheres cannot make four hue sectors; the six bands of the cloth picture
    // do, even with some of them hidden or in shadow.
    EXPECT_GE(stats.hueSectors, 4) << when << ": the cloth picture's colours are missing";
}

} // namespace

TEST(FabricApp, ShowsTheClothFallingOntoTheSpheres) {
    std::string handover = handoverFolder("run", true, true);
    // Without the shader extensions the shader files must not be needed: run where there are none.
    std::string working = shadersHidden() ? makeFolder("no-shader-files") : windowsPath(PROGRAM_FOLDER);
    ProgramRunner runner;
    ASSERT_TRUE(startRenderer(runner, handover, working));
    HWND hwnd = runner.waitForWindow(windowTimeout);
    ASSERT_NE(hwnd, nullptr) << lightingPathName();

    // The moments count from the first frame on screen: start-up (texture uploads, shader compiles) takes
    // a different time on every machine.
    DWORD start = GetTickCount();
    while (measure(captureScreen()).litFraction < 0.05 && GetTickCount() - start < windowTimeout &&
           runner.running())
        Sleep(50);
    start = GetTickCount();
    // A cloth that has slid off the spheres falls out of view until the reset lays out the next one; on a
    // fast machine that can happen by the last moment, so it may wait for the next fall (a slow slide can
    // take a good part of a fall's 45 s).
    const struct {
        DWORD atMs;
        const char* name;
        DWORD graceMs;
    } moments[] = {{500, "0.5s", 0}, {3000, "3s", 0}, {8000, "8s", 40000}};
    std::vector<ScreenShot> shots;
    for (const auto& moment : moments) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed < moment.atMs)
            Sleep(moment.atMs - elapsed);
        ASSERT_TRUE(runner.running()) << "the renderer ended before " << moment.name;
        ScreenShot shot = captureScreen();
        while (measure(shot).hueSectors < 4 && GetTickCount() - start < moment.atMs + moment.graceMs) {
            Sleep(100);
            shot = captureScreen();
        }
        shots.push_back(shot);
        saveArtefact(shots.back(), moment.name);
    }
    for (size_t i = 0; i < shots.size(); i++)
        expectDrawnScene(shots[i], moments[i].name);
    // The cloth falls and the light wanders: a frozen frame changes nothing.
    EXPECT_GT(changedFraction(shots[0], shots[1]), 0.02);
    EXPECT_GT(changedFraction(shots[1], shots[2]), 0.02);

    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(runner.waitForExit(exitTimeout), 0);
    EXPECT_EQ(FindWindowA(nullptr, "Zandrel_VC"), nullptr);
}

TEST(FabricApp, LoadFailureClosesTheWindowAndExitsWithZero) {
    struct Case {
        const char* name;
        bool cloth;
        bool sprite;
        bool shaderFiles;
    };
    std::vector<Case> cases = {{"no-cloth", false, true, true}, {"no-sprite", true, false, true}};
    // With the shader extensions present a missing shader file fails load; without them it is never read.
    if (!shadersHidden())
        cases.push_back({"no-shader-file", true, true, false});
    for (const Case& c : cases) {
        std::string handover = handoverFolder(c.name, c.cloth, c.sprite);
        std::string working = c.shaderFiles ? windowsPath(PROGRAM_FOLDER) : makeFolder("no-shader-files");
        ProgramRunner runner;
        ASSERT_TRUE(startRenderer(runner, handover, working)) << c.name;
        EXPECT_EQ(runner.waitForExit(exitTimeout), 0) << c.name;
        EXPECT_EQ(FindWindowA(nullptr, "Zandrel_VC"), nullptr) << c.name;
    }
}
