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
    // On: the label takes the size of its text on one line whenever text or font change.
    void setAutoSize(bool on);
    bool centred = false;
    bool border = false;

    void paint(HDC dc) override;
    bool takesMouse() const override { return true; }

private:
    void fit();

    std::string caption;
    bool autoSize = false;
    Forms::Font labelFont;
};

std::wstring WideText(const std::string& utf8);
std::string AnsiText(const std::wstring& wide);
std::string Utf8FromAnsi(const std::string& ansi);

} // namespace Morvex
