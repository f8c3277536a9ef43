#include "saver/forms/win32_combo_box.h"

#include "saver/forms/win32_program.h"

#include <vector>

namespace Forms {

namespace {

// Room for the drop-down list below the edit field.
const int ListHeight = 200;

} // namespace

ComboBox::ComboBox(Surface& container) : Control(container) {
    handle = CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        0, 0, 60, 20 + ListHeight, container.hwnd(), nullptr, ProgramInstance(), nullptr);
    w = 60, h = 20;
    setFont(container.font());
}

ComboBox::~ComboBox() {
    if (handle && IsWindow(handle))
        DestroyWindow(handle);
}

void ComboBox::move(int left, int top, int width, int height) {
    Control::move(left, top, width, height);
    if (handle) {
        MoveWindow(handle, x, y, w, h + ListHeight, TRUE);
        // The edit field's height is the font's; the control asks for the given height as near as it can.
        SendMessageA(handle, CB_SETITEMHEIGHT, (WPARAM)-1, h > 6 ? h - 6 : h);
    }
}

void ComboBox::setVisible(bool visible) {
    Control::setVisible(visible);
    if (handle)
        ShowWindow(handle, visible ? SW_SHOWNA : SW_HIDE);
}

void ComboBox::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    if (handle)
        EnableWindow(handle, enabled);
}

void ComboBox::setFont(const Font& font) {
    comboFont = font;
    if (handle)
        SendMessageA(handle, WM_SETFONT, (WPARAM)comboFont.handle(), TRUE);
}

void ComboBox::setText(const std::string& text) {
    if (handle)
        SetWindowTextA(handle, text.c_str());
}

std::string ComboBox::text() const {
    if (!handle)
        return std::string();
    const int length = GetWindowTextLengthA(handle);
    std::vector<char> buffer((size_t)length + 1, '\0');
    GetWindowTextA(handle, buffer.data(), length + 1);
    return buffer.data();
}

void ComboBox::addItem(const std::string& item) {
    if (handle)
        SendMessageA(handle, CB_ADDSTRING, 0, (LPARAM)item.c_str());
}

int ComboBox::itemCount() const {
    if (!handle)
        return 0;
    const LRESULT count = SendMessageA(handle, CB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : (int)count;
}

std::string ComboBox::item(int index) const {
    if (!handle || index < 0 || index >= itemCount())
        return std::string();
    const LRESULT length = SendMessageA(handle, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length < 0)
        return std::string();
    std::vector<char> buffer((size_t)length + 1, '\0');
    SendMessageA(handle, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buffer.data());
    return buffer.data();
}

void ComboBox::clearItems() {
    if (handle)
        SendMessageA(handle, CB_RESETCONTENT, 0, 0);
}

} // namespace Forms
