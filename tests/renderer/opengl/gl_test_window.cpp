#include "gl_test_window.h"

namespace {

const char* const CLASS_NAME = "ZandrelGLTest";

void registerClassOnce(HINSTANCE instance) {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = CLASS_NAME;
    registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

GLTestWindow::GLTestWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    registerClassOnce(instance);
    window = CreateWindowA(CLASS_NAME, "gl test", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 64, 64,
                           nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return;
    }
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
    SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd);
    context = wglCreateContext(dc);
    if (context != nullptr && !wglMakeCurrent(dc, context)) {
        wglDeleteContext(context);
        context = nullptr;
    }
}

GLTestWindow::~GLTestWindow() {
    if (context != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
    }
    if (dc != nullptr) {
        ReleaseDC(window, dc);
    }
    if (window != nullptr) {
        DestroyWindow(window);
    }
}
