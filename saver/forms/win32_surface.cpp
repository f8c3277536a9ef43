#include "saver/forms/win32_surface.h"

#include "saver/forms/bmp_file.h"
#include "saver/forms/win32_picture.h"
#include "saver/forms/win32_program.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace Forms {

namespace {

const char* const SurfaceClass = "ZandrelFormsSurface";

bool registerSurfaceClass() {
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = SurfaceClass;
    registered = RegisterClassA(&windowClass) != 0;
    return registered;
}

int shiftOf(WPARAM wParam) {
    int shift = 0;
    if (wParam & MK_SHIFT)
        shift |= ShiftDown;
    if (wParam & MK_CONTROL)
        shift |= ControlDown;
    if (GetKeyState(VK_MENU) < 0)
        shift |= AltDown;
    return shift;
}

int buttonsHeld(WPARAM wParam) {
    int buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= LeftButton;
    if (wParam & MK_RBUTTON)
        buttons |= RightButton;
    if (wParam & MK_MBUTTON)
        buttons |= MiddleButton;
    return buttons;
}

} // namespace

Control::Control(Surface& container) : owner(&container) {
    owner->children.push_back(this);
}

Control::~Control() {
    auto& list = owner->children;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (owner->pressedControl == this)
        owner->pressedControl = nullptr;
    repaint();
}

void Control::move(int left, int top, int width, int height) {
    repaint();
    x = left, y = top, w = std::max(width, 0), h = std::max(height, 0);
    repaint();
}

void Control::setVisible(bool visible) {
    shown = visible;
    repaint();
}

void Control::setEnabled(bool enabled) {
    active = enabled;
    repaint();
}

void Control::repaint() {
    if (!window() && owner->hwnd()) {
        RECT area = {x, y, x + w, y + h};
        InvalidateRect(owner->hwnd(), &area, FALSE);
    }
}

Surface::Surface() = default;

Surface::~Surface() {
    destroyWindow();
    resizeImage(0, 0);
}

bool Surface::createWindow(HWND parent, DWORD style, DWORD exStyle, const std::string& caption, int x, int y,
                           int width, int height) {
    if (handle || !registerSurfaceClass())
        return handle != nullptr;
    handle = CreateWindowExA(exStyle, SurfaceClass, caption.c_str(), style, x, y, width, height, parent,
                             nullptr, ProgramInstance(), nullptr);
    if (!handle)
        return false;
    SetWindowLongPtrA(handle, GWLP_USERDATA, (LONG_PTR)this);
    SetWindowLongPtrA(handle, GWLP_WNDPROC, (LONG_PTR)&Surface::windowProc);
    if (memoryDc)
        resizeImage(clientWidth(), clientHeight());
    return true;
}

void Surface::destroyWindow() {
    if (!handle)
        return;
    HWND old = handle;
    SetWindowLongPtrA(old, GWLP_USERDATA, 0);
    handle = nullptr;
    DestroyWindow(old);
}

int Surface::clientWidth() const {
    RECT area = {};
    if (handle)
        GetClientRect(handle, &area);
    return area.right - area.left;
}

int Surface::clientHeight() const {
    RECT area = {};
    if (handle)
        GetClientRect(handle, &area);
    return area.bottom - area.top;
}

void Surface::setBackColour(COLORREF colour) {
    background = colour;
    clear();
}

void Surface::setAutoRedraw(bool on) {
    if (on == autoRedraw())
        return;
    if (!on) {
        resizeImage(0, 0);
        return;
    }
    memoryDc = CreateCompatibleDC(nullptr);
    resizeImage(std::max(clientWidth(), 1), std::max(clientHeight(), 1));
}

void Surface::resizeImage(int width, int height) {
    if (width <= 0 || height <= 0) {
        if (memoryDc) {
            SelectObject(memoryDc, oldImage);
            DeleteDC(memoryDc);
        }
        if (image)
            DeleteObject(image);
        memoryDc = nullptr, image = nullptr, oldImage = nullptr, bits = nullptr;
        bitsWidth = bitsHeight = 0;
        return;
    }
    if (!memoryDc || (width == bitsWidth && height == bitsHeight))
        return;
    uint8_t* newBits = nullptr;
    HBITMAP newImage = CreateBitmap32(width, height, &newBits);
    if (!newImage)
        return;
    // The drawing so far stays; new area gets the background.
    const uint32_t fill =
        0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    uint32_t* pixels = (uint32_t*)newBits;
    for (size_t i = 0, n = (size_t)width * height; i < n; i++)
        pixels[i] = fill;
    if (bits) {
        GdiFlush();
        const int rows = std::min(height, bitsHeight), columns = std::min(width, bitsWidth);
        for (int row = 0; row < rows; row++)
            std::memcpy(newBits + (size_t)row * width * 4, bits + (size_t)row * bitsWidth * 4,
                        (size_t)columns * 4);
    }
    HGDIOBJ previous = SelectObject(memoryDc, newImage);
    if (image)
        DeleteObject(image);
    else
        oldImage = previous;
    image = newImage, bits = newBits, bitsWidth = width, bitsHeight = height;
}

void Surface::clear() {
    if (memoryDc) {
        HBRUSH brush = CreateSolidBrush(background);
        RECT area = {0, 0, bitsWidth, bitsHeight};
        FillRect(memoryDc, &area, brush);
        DeleteObject(brush);
    }
    if (handle)
        InvalidateRect(handle, nullptr, FALSE);
}

void Surface::drawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
    if (!memoryDc)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(memoryDc, pen);
    MoveToEx(memoryDc, x1, y1, nullptr);
    LineTo(memoryDc, x2, y2);
    SelectObject(memoryDc, old);
    DeleteObject(pen);
}

void Surface::refresh() {
    if (!handle)
        return;
    InvalidateRect(handle, nullptr, FALSE);
    UpdateWindow(handle);
}

bool Surface::saveImage(const std::string& path) const {
    if (!bits)
        return false;
    GdiFlush();
    return WriteBmp24File(path, bitsWidth, bitsHeight, bits, (size_t)bitsWidth * 4);
}

void Surface::mouseDown(const MouseEvent& event) {
    if (onMouseDown)
        onMouseDown(event);
}

void Surface::mouseMove(const MouseEvent& event) {
    if (onMouseMove)
        onMouseMove(event);
}

void Surface::mouseUp(const MouseEvent& event) {
    if (onMouseUp)
        onMouseUp(event);
}

LRESULT Surface::handleMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT CALLBACK Surface::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Surface* surface = (Surface*)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (!surface)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return surface->dispatch(message, wParam, lParam);
}

Control* Surface::controlAt(int px, int py) const {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* control = *it;
        if (!control->window() && control->visible() && control->enabled() && control->takesMouse() &&
            control->contains(px, py))
            return control;
    }
    return nullptr;
}

void Surface::mouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int px = GET_X_LPARAM(lParam), py = GET_Y_LPARAM(lParam);
    MouseEvent event;
    event.shift = shiftOf(wParam);
    bool down = false, up = false;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        down = true, event.button = LeftButton;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        down = true, event.button = RightButton;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        down = true, event.button = MiddleButton;
        break;
    case WM_LBUTTONUP:
        up = true, event.button = LeftButton;
        break;
    case WM_RBUTTONUP:
        up = true, event.button = RightButton;
        break;
    case WM_MBUTTONUP:
        up = true, event.button = MiddleButton;
        break;
    default:
        event.button = buttonsHeld(wParam);
        break;
    }
    // While a button is held, its events go to where it went down, wherever the pointer is.
    Control* target = pressed ? pressedControl : controlAt(px, py);
    if (down) {
        if (!pressed)
            SetCapture(handle);
        pressed = true;
        pressedControl = target;
    }
    if (target) {
        event.x = px - target->left(), event.y = py - target->top();
        const MouseHandler& handler = down ? target->onMouseDown
                                      : up ? target->onMouseUp
                                           : target->onMouseMove;
        if (handler)
            handler(event);
    } else {
        event.x = px, event.y = py;
        if (down)
            mouseDown(event);
        else if (up)
            mouseUp(event);
        else
            mouseMove(event);
    }
    if (up && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && handle) {
        pressed = false;
        pressedControl = nullptr;
        if (GetCapture() == handle)
            ReleaseCapture();
    }
}

void Surface::paintWindow() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle, &paint);
    const int width = clientWidth(), height = clientHeight();
    // Composed off screen so the controls do not flicker over the background.
    HDC frame = CreateCompatibleDC(dc);
    HBITMAP frameImage = CreateCompatibleBitmap(dc, std::max(width, 1), std::max(height, 1));
    HGDIOBJ old = SelectObject(frame, frameImage);
    HBRUSH brush = CreateSolidBrush(background);
    RECT area = {0, 0, width, height};
    FillRect(frame, &area, brush);
    DeleteObject(brush);
    if (memoryDc) {
        GdiFlush();
        BitBlt(frame, 0, 0, bitsWidth, bitsHeight, memoryDc, 0, 0, SRCCOPY);
    } else {
        paintSurface(frame);
    }
    for (Control* control : children)
        if (!control->window() && control->visible())
            control->paint(frame);
    BitBlt(dc, 0, 0, width, height, frame, 0, 0, SRCCOPY);
    SelectObject(frame, old);
    DeleteObject(frameImage);
    DeleteDC(frame);
    EndPaint(handle, &paint);
}

LRESULT Surface::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT own = handleMessage(message, wParam, lParam, handled);
    if (handled)
        return own;
    HWND self = handle;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintWindow();
        return 0;
    case WM_SIZE:
        if (memoryDc)
            resizeImage(std::max((int)LOWORD(lParam), 1), std::max((int)HIWORD(lParam), 1));
        resized();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        mouseMessage(message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if ((HWND)lParam != handle)
            pressed = false, pressedControl = nullptr;
        return 0;
    case WM_SETFOCUS:
        gotFocus();
        return 0;
    case WM_KILLFOCUS:
        lostFocus();
        return 0;
    case WM_CLOSE:
        if (closeRequested())
            return 0;
        break;
    case WM_ENDSESSION:
        if (wParam)
            endSession();
        return 0;
    case WM_NCDESTROY:
        if (handle == self)
            handle = nullptr;
        break;
    }
    return DefWindowProcA(self, message, wParam, lParam);
}

} // namespace Forms
