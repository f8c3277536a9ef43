#pragma once

#include "framework/app.h"
#include "opengl/gl_api.h"
#include "opengl/pixel_format_request.h"

// The OpenGL layer of the application: pixel format, rendering context, extensions and the renderer on
// the window the entry point created; buffer swaps, viewport and frame read-back.
class OpenGLApp : public App {
public:
    ~OpenGLApp() override {}

    // False when no rendering context could be created and made current; nothing is left behind then.
    bool initAPI() override;
    bool exitAPI() override;
    void beginFrame() override {}
    bool drawFrame() override { return false; }
    void endFrame() override;
    // Also safe before a context exists: the viewport call then has no effect.
    void onSize(int width, int height) override;
    // Draws the rectangle in coordinates running from (0, 0) at the top left to (1, 1) at the bottom right;
    // the projection matrix stays the current matrix mode.
    void drawRect(float left, float top, float right, float bottom, float depth, float red, float green,
                  float blue) override;
    // The window's client area as an RGB8 image, top row first.
    bool captureScreen(Image& image) override;

    void getDefaultPixelFormat(PixelFormatRequest& request) { ::getDefaultPixelFormat(request); }
    // Reads the extensions through a throw-away context on the given window.
    void probeExtensions(HWND window, const PIXELFORMATDESCRIPTOR& descriptor);

    HDC hdc = nullptr;
    HGLRC hglrc = nullptr;
};

// The descriptor of the first initAPI of the process, reused by later ones.
extern PIXELFORMATDESCRIPTOR pfd;
