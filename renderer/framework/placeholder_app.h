#pragma once

#include "framework/app.h"

// Stand-in application until the graphics layer and the scene exist: no graphics interface, draws nothing.
class PlaceholderApp : public App {
public:
    bool initAPI() override { return true; }
    bool exitAPI() override { return true; }
    void beginFrame() override {}
    bool drawFrame() override { return false; }
    // Without a buffer swap to pace the frames, yield a little instead of spinning.
    void endFrame() override;
    void onSize(int, int) override {}
    void drawRect(float, float, float, float, float, float, float, float) override {}
    bool captureScreen(Image&) override { return false; }
};
