#include "framework/app.h"

#include "framework/display_modes.h"
#include "framework/frame_clock.h"
#include "framework/settings.h"

#include <climits>
#include <cstring>

App* theApp = nullptr;

App::App() : position(0, 0, 0), wx(0), wy(0), wz(0) {
    // The very first frame's controls runs before any scene frame has written the matrices.
    modelview = mat4(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    projection = modelview;
    std::memset(keys, 0, sizeof keys);
}

App::~App() {
    if (recording)
        closeRecording();
    delete[] demoRecords;
    demoRecords = nullptr;
    if (playing)
        stopPlayback();
    delete displayModes;
}

void App::resetCamera() {
    position = vec3(0, 0, 0);
    wx = wy = wz = 0;
}

void App::controls() {
    if (playing) {
        playRecord();
    } else {
        vec3 right(modelview[0][0], modelview[0][1], modelview[0][2]);
        vec3 up(modelview[1][0], modelview[1][1], modelview[1][2]);
        vec3 forward(modelview[2][0], modelview[2][1], modelview[2][2]);

        vec3 d(0, 0, 0);
        if (keys[keyLeft & 0xFFFF])
            d -= right;
        if (keys[keyRight & 0xFFFF])
            d += right;
        if (keys[keyDown & 0xFFFF])
            d -= forward;
        if (keys[keyUp & 0xFFFF])
            d += forward;
        if (keys[keyLower & 0xFFFF])
            d -= up;
        if (keys[keyRaise & 0xFFFF])
            d += up;
        if (keys[keyResetCamera & 0xFFFF])
            resetCamera();

        float lengthSquared = dot(d, d);
        if (lengthSquared != 0.0f)
            d *= 1.0f / sqrtScalar(lengthSquared);
        float step = frameTime * speed;
        setPosition(position + d * step);
    }
    if (recording)
        writeRecord();
}

void App::setCursorVisible(bool visible) {
    if (visible == cursorVisible)
        return;
    if (windowSystem.showCursor)
        windowSystem.showCursor(visible);
    cursorVisible = visible;
}

void App::postClose() {
    if (windowSystem.postClose)
        windowSystem.postClose(hwnd);
}

void App::createDisplayModes(DisplayPlatform* platform) {
    delete displayModes;
    displayModes = new DisplayModes(platform);
    displayModes->filter(640, 480, 32, INT_MAX, INT_MAX, INT_MAX, 0, INT_MAX);
    displayModes->chooseRefresh(85);
}

bool App::setDisplayMode(int width_, int height_, int refresh) {
    return displayModes && displayModes->setMode(width_, height_, 32, refresh);
}

bool App::restoreDisplayMode() {
    return displayModes && displayModes->restore();
}
