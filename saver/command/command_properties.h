#pragma once

#include "saver/forms/property_bag.h"

#include <cstdint>
#include <string>

namespace Morvex {

// The caption's font as stored: face (bytes of the font's character set), size, set, weight.
struct StoredFont {
    std::string face;
    double points = 0;
    int charset = 0;
    bool bold = false;
    bool operator==(const StoredFont& other) const {
        return face == other.face && points == other.points && charset == other.charset && bold == other.bold;
    }
};

// "face|points|charset|bold"; the face may itself hold "|", the last three fields are numbers.
std::string FormatStoredFont(const StoredFont& font);
// False (and font untouched) for a text that is not a stored font: the container's font is used then.
bool ParseStoredFont(const std::string& text, StoredFont& font);

// The button's stored properties; "Font" is read and written by the platform side through StoredFont.
struct CommandProperties {
    std::string caption = "Command1";
    bool enabled = true;
    uint8_t firstRun = 0;
    uint32_t fontColour = 0;
    bool visible = true;
};

CommandProperties ReadCommandProperties(const Forms::PropertyBag& bag);
// A caption of exactly "Command" is not written, so it reads back as "Command1".
void WriteCommandProperties(const CommandProperties& properties, Forms::PropertyBag& bag);

} // namespace Morvex
