#include "win32_person.h"

#include "saver/forms/win32_program.h"

namespace Person {

namespace {

void Send(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

POINT ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

void MoveTo(POINT screen) {
    // Absolute input runs from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                            (LONG)((screen.x * 65535 + width / 2) / (width - 1)),
                            (LONG)((screen.y * 65535 + height / 2) / (height - 1)));
    Send(&move, 1);
    Settle(30);
    POINT now{};
    if (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y)) {
        SetCursorPos(screen.x, screen.y);
        Settle(30);
    }
}

void Click(POINT screen, bool rightButton) {
    MoveTo(screen);
    INPUT press[2] = {MouseInput(rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                      MouseInput(rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    Send(&press[0], 1);
    Settle(30);
    Send(&press[1], 1);
    Settle();
}

void Type(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT stroke[2] = {KeyInput(0, (WORD)c, KEYEVENTF_UNICODE),
                           KeyInput(0, (WORD)c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)};
        Send(stroke, 2);
        Settle(20);
    }
    Settle();
}

void PressKey(WORD virtualKey) {
    INPUT stroke[2] = {KeyInput(virtualKey, 0, 0), KeyInput(virtualKey, 0, KEYEVENTF_KEYUP)};
    Send(stroke, 2);
    Settle();
}

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + (ULONGLONG)milliseconds;
    for (;;) {
        Forms::DoEvents();
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Settle(int milliseconds) {
    WaitFor([] { return false; }, milliseconds);
}

} // namespace Person

COLORREF ScreenShot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    const uint8_t* p = &rgb[((size_t)y * width + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

ScreenShot CaptureWindow(HWND window) {
    ScreenShot shot;
    RECT frame{};
    if (!GetWindowRect(window, &frame))
        return shot;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (image) {
        HGDIOBJ old = SelectObject(memory, image);
        BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
        GdiFlush();
        shot.width = width, shot.height = height;
        shot.rgb.resize((size_t)width * height * 3);
        const uint8_t* bgrx = (const uint8_t*)bits;
        for (size_t i = 0, n = (size_t)width * height; i < n; ++i) {
            shot.rgb[i * 3] = bgrx[i * 4 + 2];
            shot.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
            shot.rgb[i * 3 + 2] = bgrx[i * 4];
        }
        SelectObject(memory, old);
        DeleteObject(image);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}
