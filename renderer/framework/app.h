#pragma once

#include "framework/demo_record.h"
#include "framework/window_system.h"
#include "util/matrix.h"
#include "util/text_string.h"
#include "util/vector.h"

#include <cstdint>
#include <cstdio>

class Renderer;
class Image;
class DisplayModes;
class DisplayPlatform;
struct PixelFormatRequest;

// The application object the entry point and the window procedure drive. The order of the virtual
// operations is fixed; derived layers (graphics interface, scene) replace them.
class App {
public:
    App();
    virtual ~App();

    virtual bool init() { return true; }
    virtual bool exit() { return true; }
    virtual bool initAPI() = 0;
    virtual void configurePixelFormat(PixelFormatRequest&) {}
    virtual bool exitAPI() = 0;
    virtual bool load() { return true; }
    virtual bool unload() { return true; }
    virtual void beginFrame() = 0;
    virtual bool drawFrame() = 0;
    virtual void endFrame() = 0;
    virtual void onSize(int width, int height) = 0;
    virtual void resetCamera();
    virtual void controls();
    virtual void setPosition(const vec3& newPosition) { position = newPosition; }
    virtual void addAngles(float dx, float dy) {
        wx += dx;
        wy += dy;
    }
    virtual void onKey(unsigned key, bool pressed) { keys[key & 0xFFFF] = pressed; }
    virtual void onMouseButton(bool second, bool pressed) {
        (second ? mouseButton1 : mouseButton0) = pressed;
    }
    virtual bool processCommand(String& reply);
    virtual void drawRect(float left, float top, float right, float bottom, float depth, float red,
                          float green, float blue) = 0;
    virtual bool captureScreen(Image& image) = 0;

    // Shows or hides the system cursor only on a change, so the system's display count stays balanced.
    void setCursorVisible(bool visible);
    void postClose();

    // Builds the usable mode list over the platform (owned from here on).
    void createDisplayModes(DisplayPlatform* platform);
    bool setDisplayMode(int width, int height, int refresh);
    bool restoreDisplayMode();

    bool openRecording(const char* path);
    void closeRecording();
    // Closes the playback log and ends the playback; the loaded records stay.
    void stopPlayback();
    bool loadDemo(const char* path);
    // The per-frame demo steps of controls: apply the next played record, append the camera to the recording.
    void playRecord();
    void writeRecord();

    Renderer* renderer = nullptr;
    float speed = 1024.0f;
    vec3 position;
    float wx, wy, wz;
    mat4 modelview;
    mat4 projection;
    String commandLine;
    bool keys[65536];
    bool mouseButton0 = false;
    bool mouseButton1 = false;
    bool cursorVisible = true;
    WindowHandle hwnd = nullptr;
    DisplayModes* displayModes = nullptr;

    bool recording = false;
    bool playing = false;
    FILE* demoFile = nullptr;
    DemoRecord* demoRecords = nullptr;
    uint32_t demoRecordCount = 0;
    uint32_t playIndex = 0;
};

// The one application object of the process, created by a static initialiser before the entry point runs.
extern App* theApp;
