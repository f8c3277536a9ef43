#pragma once

#include "framework/app.h"

// An application with no graphics interface, for testing the portable parts of App.
class TestApp : public App {
public:
    bool initAPI() override { return true; }
    bool exitAPI() override { return true; }
    void beginFrame() override {}
    bool drawFrame() override { return true; }
    void endFrame() override {}
    void onSize(int, int) override {}
    void drawRect(float, float, float, float, float, float, float, float) override {}
    bool captureScreen(Image&) override { return false; }
};
