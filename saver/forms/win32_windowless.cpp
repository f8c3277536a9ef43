#include "saver/forms/win32_windowless.h"

namespace Forms {

void Label::setText(const std::string& value) {
    caption = value;
    repaint();
}

void Label::setFont(const Font& value) {
    labelFont = value;
    hasFont = true;
    repaint();
}

void Label::setForeColour(COLORREF colour) {
    textColour = colour;
    repaint();
}

void Label::setTransparent(bool value) {
    clearBack = value;
    repaint();
}

void Label::setBackColour(COLORREF colour) {
    backColour = colour;
    repaint();
}

void Label::setAlignment(Alignment value) {
    align = value;
    repaint();
}

void Label::setBorder(bool single) {
    border = single;
    repaint();
}

void Label::paint(HDC dc) {
    RECT area = {x, y, x + w, y + h};
    if (!clearBack) {
        HBRUSH brush = CreateSolidBrush(backColour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    if (border) {
        FrameRect(dc, &area, (HBRUSH)GetStockObject(BLACK_BRUSH));
        InflateRect(&area, -1, -1);
    }
    HGDIOBJ oldFont = SelectObject(dc, font().handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled() ? textColour : GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_WORDBREAK | DT_NOPREFIX;
    format |= align == Alignment::Centre ? DT_CENTER : align == Alignment::Right ? DT_RIGHT : DT_LEFT;
    DrawTextA(dc, caption.c_str(), (int)caption.size(), &area, format);
    SelectObject(dc, oldFont);
}

void ImageControl::setPicture(const Picture& value) {
    image = value;
    repaint();
}

void ImageControl::paint(HDC dc) {
    const int width = image.width() < w ? image.width() : w;
    const int height = image.height() < h ? image.height() : h;
    image.draw(dc, x, y, width, height, 0, 0, width, height);
}

void Shape::setBorderColour(COLORREF value) {
    colour = value;
    repaint();
}

void Shape::paint(HDC dc) {
    RECT area = {x, y, x + w, y + h};
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &area, brush);
    DeleteObject(brush);
}

} // namespace Forms
