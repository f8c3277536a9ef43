#pragma once

#include "saver/forms/property_bag.h"

#include <cstdint>
#include <string>

namespace Morvex {

// The button's stored properties (the font is kept by the platform side).
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
