// Opens a window titled "Zandrel_VC", finds it by title, creates a WGL context on it, prints GL_VERSION
// and the WGL extension string, clears to a known colour and reads it back. Exit code 0 when all of that
// worked. "--hold MS" keeps the window on screen, cycling colours, for that long.
#include <windows.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK smokeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int fail(const char* what) {
    std::printf("FAIL: %s (error %lu)\n", what, GetLastError());
    return 1;
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

int main(int argc, char** argv) {
    DWORD holdMs = 0;
    for (int i = 1; i + 1 < argc; i++)
        if (std::strcmp(argv[i], "--hold") == 0)
            holdMs = (DWORD)std::strtoul(argv[i + 1], nullptr, 10);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = smokeProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "ZandrelSmoke";
    if (!RegisterClassA(&wc))
        return fail("RegisterClassA");

    HWND hwnd = CreateWindowExA(0, "ZandrelSmoke", "Zandrel_VC", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                480, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return fail("CreateWindowExA");
    pump();
    if (FindWindowA(nullptr, "Zandrel_VC") != hwnd)
        return fail("FindWindowA(NULL, \"Zandrel_VC\")");

    HDC dc = GetDC(hwnd);
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 24;
    int format = ChoosePixelFormat(dc, &pfd);
    if (format == 0 || !SetPixelFormat(dc, format, &pfd))
        return fail("pixel format");
    HGLRC rc = wglCreateContext(dc);
    if (!rc || !wglMakeCurrent(dc, rc))
        return fail("wglCreateContext / wglMakeCurrent");

    const char* version = (const char*)glGetString(GL_VERSION);
    std::printf("GL_VERSION: %s\n", version ? version : "(null)");
    typedef const char*(WINAPI * ExtensionsString)(HDC);
    ExtensionsString wglExtensions = (ExtensionsString)(void*)wglGetProcAddress("wglGetExtensionsStringARB");
    const char* wgl = wglExtensions ? wglExtensions(dc) : nullptr;
    std::printf("WGL extensions: %s\n", wgl ? wgl : "(none)");
    if (!version || !wgl)
        return fail("GL_VERSION or the WGL extension string");

    glViewport(0, 0, 640, 480);
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    unsigned char pixel[4] = {};
    glReadPixels(320, 240, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    std::printf("pixel: %d %d %d\n", pixel[0], pixel[1], pixel[2]);
    if (std::abs(pixel[0] - 51) > 1 || std::abs(pixel[1] - 102) > 1 || std::abs(pixel[2] - 153) > 1)
        return fail("read-back colour");
    SwapBuffers(dc);

    DWORD start = GetTickCount();
    while (GetTickCount() - start < holdMs) {
        float t = (float)(GetTickCount() - start) / 1000.0f;
        glClearColor(0.5f + 0.5f * (float)std::sin(t), 0.3f, 0.5f + 0.5f * (float)std::cos(t), 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers(dc);
        pump();
        Sleep(15);
    }

    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(rc);
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);
    pump();
    if (FindWindowA(nullptr, "Zandrel_VC") != nullptr)
        return fail("window still found after DestroyWindow");
    std::printf("OK\n");
    return 0;
}
