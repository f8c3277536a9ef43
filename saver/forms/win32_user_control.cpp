#include "saver/forms/win32_user_control.h"

namespace Forms {

UserControl::UserControl(Surface& container) : Control(container) {
    createWindow(container.hwnd(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                 "", 0, 0, 1, 1);
    w = h = 1;
}

void UserControl::move(int left, int top, int width, int height) {
    Control::move(left, top, width, height);
    if (hwnd())
        MoveWindow(hwnd(), x, y, w, h, TRUE);
}

void UserControl::setVisible(bool visible) {
    Control::setVisible(visible);
    if (hwnd())
        ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void UserControl::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    if (hwnd())
        EnableWindow(hwnd(), enabled);
}

void UserControl::setFocus() {
    if (hwnd())
        SetFocus(hwnd());
}

void UserControl::mouseDown(const MouseEvent& event) {
    // A press takes the focus first, as with the platform's own buttons.
    if (!hasFocus())
        setFocus();
    Surface::mouseDown(event);
}

} // namespace Forms
