#pragma once

#include "saver/forms/win32_font.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Forms {

// Mouse buttons and shift keys as the events report them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftKey { ShiftDown = 1, ControlDown = 2, AltDown = 4 };

struct MouseEvent {
    int button = 0; // the button that went down or up; on a move, all buttons held
    int shift = 0;
    int x = 0; // pixels, relative to the control that gets the event
    int y = 0;
};
using MouseHandler = std::function<void(const MouseEvent&)>;

class Surface;

// A control on a surface. Windowless controls (labels, images, shapes) are painted by their surface and
// get their mouse events from it; windowed ones (picture boxes, combo boxes, user controls) have their own.
// A control must not outlive the surface it sits on.
class Control {
public:
    explicit Control(Surface& container);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;

    Surface& container() const { return *owner; }
    virtual HWND window() const { return nullptr; }

    // Position and size in pixels within the container.
    virtual void move(int left, int top, int width, int height);
    int left() const { return x; }
    int top() const { return y; }
    int width() const { return w; }
    int height() const { return h; }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }

    virtual void setVisible(bool visible);
    bool visible() const { return shown; }
    virtual void setEnabled(bool enabled);
    bool enabled() const { return active; }

    MouseHandler onMouseDown, onMouseMove, onMouseUp;

    // Windowless controls: drawn into dc (the container's client coordinates) and hit by the mouse.
    virtual void paint(HDC) {}
    virtual bool takesMouse() const { return false; }

protected:
    void repaint();

    int x = 0, y = 0, w = 0, h = 0;
    bool shown = true;
    bool active = true;

private:
    Surface* owner;
};

// A window with controls on it and, with auto-redraw, an in-memory image that drawing goes to and that
// survives while the window is hidden. Forms, picture boxes and user controls are surfaces.
class Surface {
public:
    Surface();
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HWND hwnd() const { return handle; }
    int clientWidth() const;
    int clientHeight() const;

    void setBackColour(COLORREF colour);
    COLORREF backColour() const { return background; }
    void setFont(const Font& font) { surfaceFont = font; }
    const Font& font() const { return surfaceFont; }

    // The in-memory image: drawing goes there, and painting shows it.
    void setAutoRedraw(bool on);
    bool autoRedraw() const { return memoryDc != nullptr; }
    HDC hdc() const { return memoryDc; }
    const uint8_t* imageBits() const { return bits; } // B, G, R, x; top row first
    int imageWidth() const { return bitsWidth; }
    int imageHeight() const { return bitsHeight; }

    void clear();
    // A line from (x1, y1) up to but not including (x2, y2), one pixel wide.
    void drawLine(int x1, int y1, int x2, int y2, COLORREF colour);
    void refresh();
    // Saves the in-memory image as a 24-bit BMP file.
    bool saveImage(const std::string& path) const;

    const std::vector<Control*>& controls() const { return children; }

    MouseHandler onMouseDown, onMouseMove, onMouseUp;

protected:
    bool createWindow(HWND parent, DWORD style, DWORD exStyle, const std::string& caption, int x, int y,
                      int width, int height);
    void destroyWindow();

    // Events; the defaults do nothing but call the handlers above.
    virtual void mouseDown(const MouseEvent& event);
    virtual void mouseMove(const MouseEvent& event);
    virtual void mouseUp(const MouseEvent& event);
    virtual void gotFocus() {}
    virtual void lostFocus() {}
    virtual void resized() {}
    virtual void paintSurface(HDC) {}
    virtual bool closeRequested() { return false; } // true when handled
    virtual void endSession() {}
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

private:
    friend class Control;
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void resizeImage(int width, int height);
    void paintWindow();
    Control* controlAt(int px, int py) const;
    void mouseMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle = nullptr;
    COLORREF background = RGB(255, 255, 255);
    Font surfaceFont;
    HDC memoryDc = nullptr;
    HBITMAP image = nullptr;
    HGDIOBJ oldImage = nullptr;
    uint8_t* bits = nullptr;
    int bitsWidth = 0, bitsHeight = 0;
    std::vector<Control*> children;
    Control* pressedControl = nullptr;
    bool pressed = false;
};

} // namespace Forms
