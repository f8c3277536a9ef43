#pragma once

#include <cstdint>

namespace Morvex {

// The six frames the button can show.
enum class StatePicture { Normal, HighLight, Pressed, Selected, HighLightSelect, Disable };

// What one event asks of the control: redraw with a picture and/or raise Click.
struct CommandReaction {
    bool draws = false;
    StatePicture picture = StatePicture::Normal;
    bool clicks = false;
};

// The button's states without any window: 0 before Initialize, 1 normal, 2 pointer over,
// 3 focused, 4 pointer over and focused.
class CommandMachine {
public:
    uint8_t mode() const { return currentMode; }
    bool enabled() const { return isEnabled; }
    bool pressed() const { return isPressed; }
    bool reversed() const { return isReversed; }

    void initialize() { currentMode = 1; }
    CommandReaction setEnabled(bool enabled);

    CommandReaction pointerMoved();
    CommandReaction timerTick(bool pointerOnControl);
    CommandReaction leftDown();
    CommandReaction buttonUp(bool leftButton);
    CommandReaction focusGained();
    CommandReaction focusLost();
    CommandReaction resized();
    // Reading Enabled redraws as setting it does; reading the look (FontColour, Visible) redraws
    // Normal while enabled.
    CommandReaction enabledRead();
    CommandReaction lookRead();

private:
    CommandReaction draw(StatePicture picture);

    uint8_t currentMode = 0;
    bool isEnabled = true;
    bool isPressed = false;
    bool isReversed = false;
};

} // namespace Morvex
