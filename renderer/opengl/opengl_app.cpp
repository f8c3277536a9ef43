#include "opengl/opengl_app.h"

#include "framework/frame_clock.h"
#include "image/image.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "opengl/pixel_format_choice.h"

#include <cstdlib>
#include <cstring>

PIXELFORMATDESCRIPTOR pfd = {};

namespace {

bool pfdFilled = false;

const char* const AUXILIARY_CLASS = "PFrmt";
const char* const AUXILIARY_TITLE = "PFormat";

LRESULT CALLBACK auxiliaryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void OpenGLApp::probeExtensions(HWND window, const PIXELFORMATDESCRIPTOR& descriptor) {
    HDC dc = GetDC(window);
    SetPixelFormat(dc, ChoosePixelFormat(dc, &descriptor), &descriptor);
    HGLRC context = wglCreateContext(dc);
    if (context != nullptr) {
        if (wglMakeCurrent(dc, context)) {
            initExtensions(dc);
        }
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
    }
    ReleaseDC(window, dc);
}

bool OpenGLApp::initAPI() {
    PixelFormatRequest request;
    getDefaultPixelFormat(request);
    configurePixelFormat(request);
    if (!pfdFilled) {
        fillPixelFormatDescriptor(request, pfd);
        pfdFilled = true;
    }

    // The ARB pixel-format functions exist only while a context is current, and a window's pixel format
    // can be set once: a hidden window carries the throw-away context.
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
    WNDCLASSA auxiliaryClass = {};
    auxiliaryClass.lpfnWndProc = auxiliaryWindowProc;
    auxiliaryClass.hInstance = instance;
    auxiliaryClass.lpszClassName = AUXILIARY_CLASS;
    RegisterClassA(&auxiliaryClass);
    HWND auxiliary =
        CreateWindowA(AUXILIARY_CLASS, AUXILIARY_TITLE, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 8,
                      8, nullptr, nullptr, instance, nullptr);
    if (auxiliary != nullptr) {
        probeExtensions(auxiliary, pfd);
        SendMessageA(auxiliary, WM_CLOSE, 0, 0);
    }

    hdc = GetDC(hwnd);
    SetPixelFormat(hdc, choosePixelFormat(hdc, request, pfd), &pfd);
    hglrc = wglCreateContext(hdc);
    if (hglrc == nullptr || !wglMakeCurrent(hdc, hglrc)) {
        if (hglrc != nullptr) {
            wglDeleteContext(hglrc);
        }
        ReleaseDC(hwnd, hdc);
        hglrc = nullptr;
        hdc = nullptr;
        return false;
    }
    initExtensions(hdc);
    if (WGL_ARB_multisample_supported && request.samples > 0) {
        glEnable(GL_MULTISAMPLE_ARB);
    }
    renderer = new OpenGLRenderer(hdc, hglrc);
    return true;
}

bool OpenGLApp::exitAPI() {
    if (renderer != nullptr) {
        renderer->clear();
        delete renderer;
        renderer = nullptr;
    }
    wglMakeCurrent(nullptr, nullptr);
    if (hglrc != nullptr) {
        wglDeleteContext(hglrc);
        hglrc = nullptr;
    }
    if (hdc != nullptr) {
        ReleaseDC(hwnd, hdc);
        hdc = nullptr;
    }
    return true;
}

void OpenGLApp::endFrame() {
    SwapBuffers(hdc);
}

void OpenGLApp::onSize(int newWidth, int newHeight) {
    glViewport(0, 0, newWidth, newHeight);
}

void OpenGLApp::drawRect(float left, float top, float right, float bottom, float depth, float red,
                         float green, float blue) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 1, 0, -1, 1);
    glColor3f(red, green, blue);
    glBegin(GL_QUADS);
    glVertex3f(left, top, depth);
    glVertex3f(left, bottom, depth);
    glVertex3f(right, bottom, depth);
    glVertex3f(right, top, depth);
    glEnd();
}

bool OpenGLApp::captureScreen(Image& image) {
    const int captureWidth = width;
    const int captureHeight = height;
    if (captureWidth <= 0 || captureHeight <= 0) {
        return false;
    }
    const size_t rowSize = (size_t)captureWidth * 3;
    const size_t size = rowSize * (size_t)captureHeight;
    unsigned char* scratch = static_cast<unsigned char*>(std::malloc(size));
    unsigned char* pixels = static_cast<unsigned char*>(std::malloc(size));
    if (scratch == nullptr || pixels == nullptr) {
        std::free(scratch);
        std::free(pixels);
        return false;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, captureWidth, captureHeight, GL_RGB, GL_UNSIGNED_BYTE, scratch);
    // The interface delivers the bottom row first.
    for (int y = 0; y < captureHeight; y++) {
        std::memcpy(pixels + (size_t)y * rowSize, scratch + (size_t)(captureHeight - 1 - y) * rowSize,
                    rowSize);
    }
    std::free(scratch);
    image.loadFromMemory(pixels, captureWidth, captureHeight, RGB8, true, false);
    return true;
}
