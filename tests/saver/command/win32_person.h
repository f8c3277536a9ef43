#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Drives windows the way a person does: the real pointer and keyboard through SendInput, with the
// program's messages run while the input arrives.
namespace Person {

// The screen point of a point in a window's client area.
POINT ScreenPoint(HWND window, int x, int y);
void MoveTo(POINT screen);
// Moves there, presses and releases the button.
void Click(POINT screen, bool rightButton = false);
// Unicode characters, as an input method or a keyboard layout would send them.
void Type(const std::wstring& text);
void PressKey(WORD virtualKey);

// Runs the waiting messages until done() holds or milliseconds have passed; false on the time-out.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000);
// Runs the messages for a while, so input sent so far has been handled.
void Settle(int milliseconds = 150);

} // namespace Person

// What the screen shows of a window, outer frame included: R, G, B, top row first.
struct ScreenShot {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    COLORREF at(int x, int y) const;
};
ScreenShot CaptureWindow(HWND window);
