#pragma once

#include "opengl/gl_api.h"

// A small window with a double-buffered RGBA pixel format and a rendering context current on this thread.
class GLTestWindow {
public:
    GLTestWindow();
    ~GLTestWindow();
    GLTestWindow(const GLTestWindow&) = delete;
    GLTestWindow& operator=(const GLTestWindow&) = delete;

    bool isReady() const { return context != nullptr; }

    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
};
