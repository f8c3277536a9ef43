#include "saver/command/command_properties.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Morvex {

namespace {

// A whole field of digits (and, for the size, one point): nothing before, after or out of range.
bool WholeNumber(const std::string& field, double& value, bool integer) {
    if (field.empty() || field.size() > 24)
        return false;
    for (char c : field)
        if (!((c >= '0' && c <= '9') || (!integer && c == '.')))
            return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(field.c_str(), &end);
    return errno == 0 && end == field.c_str() + field.size() && std::isfinite(value);
}

} // namespace

std::string FormatStoredFont(const StoredFont& font) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "|%.6g|%d|%d", font.points, font.charset, font.bold ? 1 : 0);
    return font.face + numbers;
}

bool ParseStoredFont(const std::string& text, StoredFont& font) {
    const size_t boldAt = text.rfind('|');
    if (boldAt == std::string::npos || boldAt == 0)
        return false;
    const size_t charsetAt = text.rfind('|', boldAt - 1);
    if (charsetAt == std::string::npos || charsetAt == 0)
        return false;
    const size_t pointsAt = text.rfind('|', charsetAt - 1);
    if (pointsAt == std::string::npos || pointsAt == 0)
        return false;
    double points = 0, charset = 0, bold = 0;
    if (!WholeNumber(text.substr(pointsAt + 1, charsetAt - pointsAt - 1), points, false) ||
        !WholeNumber(text.substr(charsetAt + 1, boldAt - charsetAt - 1), charset, true) ||
        !WholeNumber(text.substr(boldAt + 1), bold, true))
        return false;
    if (points <= 0 || points > 1638 || charset > 255 || bold > 1)
        return false;
    font.face = text.substr(0, pointsAt);
    font.points = points;
    font.charset = (int)charset;
    font.bold = bold == 1;
    return true;
}

CommandProperties ReadCommandProperties(const Forms::PropertyBag& bag) {
    CommandProperties properties;
    properties.caption = bag.readString("Caption", "Command1");
    properties.enabled = bag.readBool("Enabled", true);
    properties.firstRun = (uint8_t)bag.readInt("FirstRun", 0);
    properties.fontColour = (uint32_t)bag.readInt("FontColour", 0);
    properties.visible = bag.readInt("Visible", 1) != 0;
    return properties;
}

void WriteCommandProperties(const CommandProperties& properties, Forms::PropertyBag& bag) {
    bag.writeBool("Enabled", properties.enabled);
    if (properties.caption != "Command")
        bag.writeString("Caption", properties.caption);
    else
        bag.remove("Caption");
    bag.writeInt("FirstRun", properties.firstRun);
    bag.writeInt("FontColour", properties.fontColour);
    bag.writeInt("Visible", properties.visible ? 1 : 0);
}

} // namespace Morvex
