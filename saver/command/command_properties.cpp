#include "saver/command/command_properties.h"

namespace Morvex {

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
