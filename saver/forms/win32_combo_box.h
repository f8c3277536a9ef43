#pragma once

#include "saver/forms/win32_surface.h"

namespace Forms {

// The platform's combo box with editable text and a drop-down list.
class ComboBox : public Control {
public:
    explicit ComboBox(Surface& container);
    ~ComboBox() override;

    HWND window() const override { return handle; }
    void move(int left, int top, int width, int height) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void setFont(const Font& font);

    void setText(const std::string& text);
    std::string text() const;
    void addItem(const std::string& item);
    int itemCount() const;
    std::string item(int index) const;
    void clearItems();

private:
    HWND handle = nullptr;
    Font comboFont;
};

} // namespace Forms
