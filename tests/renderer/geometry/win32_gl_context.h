#pragma once

#include "opengl/gl_api.h"

#include <cstdint>
#include <vector>

// A hidden window with a double-buffered RGBA pixel format, its context current on this thread and the
// extension flags and entry points read from it.
class GLContext {
public:
    static constexpr int size = 64;

    GLContext();
    ~GLContext();
    GLContext(const GLContext&) = delete;
    GLContext& operator=(const GLContext&) = delete;

    bool isReady() const { return context != nullptr; }
    // The back buffer, bottom row first, size * size RGBA pixels.
    std::vector<uint8_t> readPixels() const;

    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
};
