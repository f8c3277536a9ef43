#include "saver/command/command_machine.h"

namespace Morvex {

CommandReaction CommandMachine::draw(StatePicture picture) {
    if (currentMode == 1 || currentMode == 3)
        isReversed = false;
    else if (currentMode == 2)
        isReversed = true;
    CommandReaction reaction;
    reaction.draws = true;
    reaction.picture = picture;
    return reaction;
}

CommandReaction CommandMachine::setEnabled(bool enabled) {
    isEnabled = enabled;
    if (!enabled)
        isPressed = false;
    return draw(enabled ? StatePicture::Normal : StatePicture::Disable);
}

CommandReaction CommandMachine::pointerMoved() {
    if (!isEnabled)
        return {};
    if (currentMode == 1) {
        currentMode = 2;
        return draw(StatePicture::HighLight);
    }
    if (currentMode == 3 && !isPressed) {
        currentMode = 4;
        return draw(StatePicture::HighLightSelect);
    }
    return {};
}

CommandReaction CommandMachine::timerTick(bool pointerOnControl) {
    if (!isEnabled || pointerOnControl)
        return {};
    if (currentMode == 2) {
        currentMode = 1;
        return draw(StatePicture::Normal);
    }
    if (currentMode == 4) {
        currentMode = 3;
        return draw(StatePicture::Selected);
    }
    return {};
}

CommandReaction CommandMachine::leftDown() {
    if (!isEnabled)
        return {};
    isPressed = true;
    return draw(StatePicture::Pressed);
}

CommandReaction CommandMachine::buttonUp(bool leftButton) {
    if (!isEnabled)
        return {};
    CommandReaction reaction;
    if (leftButton) {
        // Cleared in every mode, so a press dragged off a focused button cannot block its hover.
        isPressed = false;
        if (currentMode == 2)
            reaction = draw(StatePicture::Normal);
        else if (currentMode == 4)
            reaction = draw(StatePicture::HighLightSelect);
    }
    reaction.clicks = currentMode != 3;
    return reaction;
}

CommandReaction CommandMachine::focusGained() {
    if (!isEnabled)
        return {};
    if (currentMode == 2) {
        currentMode = 4;
        return draw(StatePicture::Pressed);
    }
    currentMode = 3;
    return draw(StatePicture::Selected);
}

CommandReaction CommandMachine::focusLost() {
    if (!isEnabled || currentMode == 1)
        return {};
    currentMode = 1;
    return draw(StatePicture::Normal);
}

CommandReaction CommandMachine::resized() {
    return draw(isEnabled ? StatePicture::Normal : StatePicture::Disable);
}

CommandReaction CommandMachine::enabledRead() {
    return draw(isEnabled ? StatePicture::Normal : StatePicture::Disable);
}

CommandReaction CommandMachine::lookRead() {
    return isEnabled ? draw(StatePicture::Normal) : CommandReaction{};
}

} // namespace Morvex
