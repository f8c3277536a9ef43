#include "win32_gl_context.h"

#include "opengl/extensions.h"

namespace {

const char* const className = "ZandrelGeometryGLTest";

bool registerClassOnce(HINSTANCE instance) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        registered = RegisterClassA(&windowClass) != 0;
    }
    return registered;
}

} // namespace

GLContext::GLContext() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerClassOnce(instance))
        return;
    window = CreateWindowA(className, "geometry test", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                           size, size, nullptr, nullptr, instance, nullptr);
    if (!window)
        return;
    dc = GetDC(window);
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cAlphaBits = 8;
    pfd.cDepthBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    if (!SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd))
        return;
    context = wglCreateContext(dc);
    if (context && !wglMakeCurrent(dc, context)) {
        wglDeleteContext(context);
        context = nullptr;
    }
    if (context)
        initExtensions(dc);
}

GLContext::~GLContext() {
    if (context) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
    }
    if (dc)
        ReleaseDC(window, dc);
    if (window)
        DestroyWindow(window);
}

std::vector<uint8_t> GLContext::readPixels() const {
    std::vector<uint8_t> pixels(size * size * 4);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
