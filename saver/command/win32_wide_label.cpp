#include "saver/command/win32_wide_label.h"

namespace Morvex {

std::wstring WideText(const std::string& utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], length);
    return wide;
}

std::string AnsiText(const std::wstring& wide) {
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), (int)wide.size(), &ansi[0], length, nullptr, nullptr);
    return ansi;
}

std::string Utf8FromAnsi(const std::string& ansi) {
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), (int)ansi.size(), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), (int)ansi.size(), &wide[0], length);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

void WideLabel::setText(const std::string& utf8) {
    caption = utf8;
    fit();
    repaint();
}

void WideLabel::setFont(const Forms::Font& value) {
    labelFont = value;
    fit();
    repaint();
}

void WideLabel::setAutoSize(bool on) {
    autoSize = on;
    fit();
}

void WideLabel::fit() {
    if (!autoSize)
        return;
    const std::wstring text = WideText(caption);
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    HGDIOBJ old = SelectObject(screen, labelFont.handle());
    RECT measure{0, 0, 0, 0};
    DrawTextW(screen, text.c_str(), (int)text.size(), &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    // One pixel each side, as paint leaves it.
    move(x, y, measure.right - measure.left + 2, measure.bottom - measure.top + 2);
}

void WideLabel::paint(HDC dc) {
    if (!visible())
        return;
    RECT area{x, y, x + w, y + h};
    if (border)
        FrameRect(dc, &area, (HBRUSH)GetStockObject(BLACK_BRUSH));
    const std::wstring text = WideText(caption);
    HGDIOBJ old = SelectObject(dc, labelFont.handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT inner{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    DrawTextW(dc, text.c_str(), (int)text.size(), &inner,
              (centred ? DT_CENTER : DT_LEFT) | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, old);
}

} // namespace Morvex
