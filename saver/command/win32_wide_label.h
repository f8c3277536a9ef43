#pragma once

#include "saver/forms/win32_font.h"
#include "saver/forms/win32_surface.h"

#include <string>

namespace Morvex {

// Text (UTF-8) drawn through the wide-character functions, so it shows the same on every system.
class WideLabel : public Forms::Control {
public:
    explicit WideLabel(Forms::Surface& container) : Forms::Control(container) {}

    void setText(const std::string& utf8);
    const std::string& text() const { return caption; }
    void setFont(const Forms::Font& value);
    bool centred = false;
    bool border = false;

    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }

private:
    std::string caption;
    Forms::Font labelFont;
};

std::wstring WideText(const std::string& utf8);
std::string AnsiText(const std::wstring& wide);
std::string Utf8FromAnsi(const std::string& ansi);

} // namespace Morvex
