#include "saver/forms/win32_picture_box.h"

namespace Forms {

PictureBox::PictureBox(Surface& container) : Control(container) {
    createWindow(container.hwnd(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, "", 0, 0, 1,
                 1);
    w = h = 1;
}

void PictureBox::move(int left, int top, int width, int height) {
    Control::move(left, top, width, height);
    if (hwnd())
        MoveWindow(hwnd(), x, y, w, h, TRUE);
}

void PictureBox::setVisible(bool visible) {
    Control::setVisible(visible);
    if (hwnd())
        ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void PictureBox::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    if (hwnd())
        EnableWindow(hwnd(), enabled);
}

void PictureBox::setBorder(bool single) {
    if (!hwnd())
        return;
    LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
    style = single ? (style | WS_BORDER) : (style & ~(LONG_PTR)WS_BORDER);
    SetWindowLongPtrA(hwnd(), GWL_STYLE, style);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void PictureBox::setPicture(const Picture& picture) {
    stored = picture;
    if (autoSize && !picture.empty()) {
        RECT frame = {0, 0, picture.width(), picture.height()};
        AdjustWindowRectEx(&frame, (DWORD)GetWindowLongPtrA(hwnd(), GWL_STYLE), FALSE, 0);
        move(x, y, frame.right - frame.left, frame.bottom - frame.top);
    }
    clear();
    picture.draw(hdc(), 0, 0);
    refresh();
}

} // namespace Forms
