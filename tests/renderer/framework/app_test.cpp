#include "framework/frame_clock.h"
#include "framework/settings.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Records the camera calls that controls makes.
class CameraApp : public TestApp {
public:
    void resetCamera() override {
        resets++;
        position = vec3(1, 2, 3);
        wx = 0.5f;
        wy = wz = 0;
    }
    void setPosition(const vec3& p) override {
        positionsSet++;
        App::setPosition(p);
    }
    int resets = 0;
    int positionsSet = 0;
};

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        setDefaultSettings();
        frameTime = 0.5f;
        app = std::make_unique<CameraApp>();
        app->speed = 4.0f;
        app->position = vec3(0, 0, 0);
        // Camera rows: right = +x, up = +y, forward = +z, as a view with no rotation has them.
    }
    void expectPosition(float x, float y, float z) {
        EXPECT_NEAR(app->position.x, x, 1e-5f);
        EXPECT_NEAR(app->position.y, y, 1e-5f);
        EXPECT_NEAR(app->position.z, z, 1e-5f);
    }
    std::unique_ptr<CameraApp> app;
};

} // namespace

TEST(App, StartsWithTheDocumentedState) {
    TestApp app;
    EXPECT_EQ(app.renderer, nullptr);
    EXPECT_EQ(app.speed, 1024.0f);
    EXPECT_TRUE(app.cursorVisible);
    EXPECT_FALSE(app.recording || app.playing || app.mouseButton0 || app.mouseButton1);
    EXPECT_EQ(app.demoFile, nullptr);
    EXPECT_EQ(app.commandLine.getLength(), 0u);
    for (int i = 0; i < 65536; i++)
        ASSERT_FALSE(app.keys[i]) << i;
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++)
            EXPECT_EQ(app.modelview[r][c], r == c ? 1.0f : 0.0f);
    EXPECT_TRUE(app.init() && app.exit() && app.load() && app.unload());
}

TEST(App, OnKeyWrapsAt65536AndMouseButtonsAreSeparate) {
    TestApp app;
    app.onKey(65536 + 37, true);
    EXPECT_TRUE(app.keys[37]);
    app.onKey(37, false);
    EXPECT_FALSE(app.keys[37]);
    app.onKey(0xFFFFFFFFu, true);
    EXPECT_TRUE(app.keys[0xFFFF]);
    app.onMouseButton(true, true);
    EXPECT_TRUE(app.mouseButton1);
    EXPECT_FALSE(app.mouseButton0);
    app.onMouseButton(false, true);
    app.onMouseButton(true, false);
    EXPECT_TRUE(app.mouseButton0);
    EXPECT_FALSE(app.mouseButton1);
    app.addAngles(0.25f, -0.5f);
    EXPECT_EQ(app.wx, 0.25f);
    EXPECT_EQ(app.wy, -0.5f);
    EXPECT_EQ(app.wz, 0.0f);
}

namespace {
std::vector<bool> cursorCalls;
std::vector<WindowHandle> closeCalls;
} // namespace

TEST(App, CursorChangesReachTheSystemOnlyOnAChange) {
    WindowSystem saved = windowSystem;
    cursorCalls.clear();
    closeCalls.clear();
    windowSystem.showCursor = [](bool visible) { cursorCalls.push_back(visible); };
    windowSystem.postClose = [](WindowHandle window) { closeCalls.push_back(window); };
    {
        TestApp app;
        app.setCursorVisible(true); // already visible
        app.setCursorVisible(false);
        app.setCursorVisible(false);
        EXPECT_FALSE(app.cursorVisible);
        app.setCursorVisible(true);
        EXPECT_EQ(cursorCalls, (std::vector<bool>{false, true}));

        app.hwnd = reinterpret_cast<WindowHandle>(0x1234);
        app.postClose();
        EXPECT_EQ(closeCalls, std::vector<WindowHandle>{app.hwnd});
    }
    windowSystem = saved;
    TestApp quiet; // without a window system nothing is called and nothing breaks
    quiet.setCursorVisible(false);
    quiet.postClose();
    EXPECT_FALSE(quiet.cursorVisible);
}

TEST_F(Controls, NoKeyStillSetsThePositionEveryFrame) {
    app->position = vec3(1, 2, 3);
    app->controls();
    app->controls();
    EXPECT_EQ(app->positionsSet, 2);
    expectPosition(1, 2, 3);
}

TEST_F(Controls, KeysMoveAlongTheCameraRows) {
    struct Case {
        std::vector<int*> held;
        float x, y, z;
    } cases[] = {
        {{&keyLeft}, -2, 0, 0},
        {{&keyRight}, 2, 0, 0},
        {{&keyUp}, 0, 0, 2},
        {{&keyDown}, 0, 0, -2},
        {{&keyRaise}, 0, 2, 0},
        {{&keyLower}, 0, -2, 0},
        {{&keyLeft, &keyRight}, 0, 0, 0}, // opposite keys cancel
        {{&keyUp, &keyDown, &keyRaise}, 0, 2, 0},
        {{&keyLeft, &keyUp}, -2 / std::sqrt(2.0f), 0, 2 / std::sqrt(2.0f)}, // diagonal: no faster
        {{&keyRight, &keyUp, &keyRaise}, 2 / std::sqrt(3.0f), 2 / std::sqrt(3.0f), 2 / std::sqrt(3.0f)},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int* key : c.held)
            app->onKey((unsigned)*key, true);
        app->controls();
        expectPosition(c.x, c.y, c.z);
    }
}

TEST_F(Controls, MovementFollowsTheStoredViewRows) {
    // A view turned a quarter about y: right is -z, forward is +x.
    app->modelview = mat4(0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1);
    app->onKey((unsigned)keyUp, true);
    app->controls();
    expectPosition(2, 0, 0);
    app->onKey((unsigned)keyUp, false);
    app->onKey((unsigned)keyLeft, true);
    app->controls();
    expectPosition(2, 0, 2);
}

TEST_F(Controls, EnterResetsTheCameraAndThenStillMoves) {
    app->position = vec3(9, 9, 9);
    app->onKey((unsigned)keyResetCamera, true);
    app->controls();
    EXPECT_EQ(app->resets, 1);
    expectPosition(1, 2, 3);
    EXPECT_EQ(app->wx, 0.5f);
    app->onKey((unsigned)keyUp, true);
    app->controls();
    EXPECT_EQ(app->resets, 2);
    expectPosition(1, 2, 5);
}

TEST(FrameClock, SecondsAndTotals) {
    EXPECT_FLOAT_EQ(cyclesToSeconds(3000000000ull, 2000000000ull), 1.5f);
    // A counter that ran backwards (another core) gives a negative frame rather than a huge one.
    EXPECT_FLOAT_EQ(cyclesToSeconds((uint64_t)-1000, 1000), -1.0f);
    cyclesPerSecond = 1000;
    totalTime = 0;
    uint64_t previous = 5000;
    advanceFrameClock(9000, previous);
    EXPECT_EQ(previous, 9000u);
    EXPECT_FLOAT_EQ(frameTime, 4.0f);
    advanceFrameClock(9500, previous);
    EXPECT_FLOAT_EQ(frameTime, 0.5f);
    EXPECT_FLOAT_EQ(totalTime, 4.5f);
}

TEST(Settings, Defaults) {
    setDefaultSettings();
    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(fullscreenWidth, 1024);
    EXPECT_EQ(fullscreenHeight, 768);
    EXPECT_EQ(fullscreenRefresh, 85);
    EXPECT_EQ(windowRight - windowLeft, 800);
    EXPECT_EQ(windowBottom - windowTop, 600);
    EXPECT_EQ(windowLeft, 0);
    EXPECT_EQ(windowTop, 0);
    int keys[] = {keyLeft, keyRight, keyUp, keyDown, keyRaise, keyLower, keyResetCamera};
    int expected[] = {37, 39, 38, 40, 17, 16, 13};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(keys[i], expected[i]);
}
