#pragma once

#include "saver/forms/win32_picture.h"
#include "saver/forms/win32_surface.h"

namespace Forms {

enum class Alignment { Left, Centre, Right };

// Text painted by its container; it has no window of its own, so the pointer over it is over the
// container.
class Label : public Control {
public:
    explicit Label(Surface& container) : Control(container) {}

    void setText(const std::string& value);
    const std::string& text() const { return caption; }
    void setFont(const Font& value);
    const Font& font() const { return hasFont ? labelFont : container().font(); }
    void setForeColour(COLORREF colour);
    COLORREF foreColour() const { return textColour; }
    void setTransparent(bool transparent);
    bool transparent() const { return clearBack; }
    void setBackColour(COLORREF colour);
    void setAlignment(Alignment value);
    void setBorder(bool single);

    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }

private:
    std::string caption;
    Font labelFont;
    bool hasFont = false;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backColour = RGB(192, 192, 192);
    bool clearBack = false;
    Alignment align = Alignment::Left;
    bool border = false;
};

// A picture drawn at its own size at the control's top-left corner, cut to the control.
class ImageControl : public Control {
public:
    explicit ImageControl(Surface& container) : Control(container) {}

    void setPicture(const Picture& value);
    const Picture& picture() const { return image; }

    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }

private:
    Picture image;
};

// A rectangle outline.
class Shape : public Control {
public:
    explicit Shape(Surface& container) : Control(container) {}

    void setBorderColour(COLORREF colour);
    COLORREF borderColour() const { return colour; }
    void paint(HDC dc) override;

private:
    COLORREF colour = RGB(0, 0, 0);
};

} // namespace Forms
