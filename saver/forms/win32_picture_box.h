#pragma once

#include "saver/forms/win32_picture.h"
#include "saver/forms/win32_surface.h"

namespace Forms {

// A child window that holds an in-memory image (auto-redraw) and can carry other controls.
class PictureBox : public Control, public Surface {
public:
    explicit PictureBox(Surface& container);

    HWND window() const override { return hwnd(); }
    void move(int left, int top, int width, int height) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void setBorder(bool single);

    // The picture is drawn into the image at (0, 0); with autoSize the box takes the picture's size.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return stored; }
    bool autoSize = false;

private:
    Picture stored;
};

} // namespace Forms
