#pragma once

#include "opengl/gl_api.h"

// The pbuffer behind a render-target texture, with its device and rendering context.
struct RenderTargetData {
    HPBUFFERARB pbuffer = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
};
