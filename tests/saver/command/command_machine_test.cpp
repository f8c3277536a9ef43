#include "saver/command/command_machine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Morvex;

namespace {

// One letter per event: e/d enable/disable, i Initialize, m pointer moves over, o tick with the pointer off,
// n tick with the pointer on, D left down, U left up, R right up, f focus gained, l focus lost, z resized,
// E Enabled read, L FontColour or Visible read.
struct Played {
    int clicks = 0;
    std::vector<StatePicture> drawn;
    CommandMachine machine;
};

Played Play(const std::string& events) {
    Played run;
    for (char event : events) {
        CommandReaction reaction;
        switch (event) {
        case 'e':
            reaction = run.machine.setEnabled(true);
            break;
        case 'd':
            reaction = run.machine.setEnabled(false);
            break;
        case 'i':
            run.machine.initialize();
            break;
        case 'm':
            reaction = run.machine.pointerMoved();
            break;
        case 'o':
            reaction = run.machine.timerTick(false);
            break;
        case 'n':
            reaction = run.machine.timerTick(true);
            break;
        case 'D':
            reaction = run.machine.leftDown();
            break;
        case 'U':
            reaction = run.machine.buttonUp(true);
            break;
        case 'R':
            reaction = run.machine.buttonUp(false);
            break;
        case 'f':
            reaction = run.machine.focusGained();
            break;
        case 'l':
            reaction = run.machine.focusLost();
            break;
        case 'z':
            reaction = run.machine.resized();
            break;
        case 'E':
            reaction = run.machine.enabledRead();
            break;
        case 'L':
            reaction = run.machine.lookRead();
            break;
        default:
            ADD_FAILURE() << "unknown event " << event;
        }
        if (reaction.draws)
            run.drawn.push_back(reaction.picture);
        run.clicks += reaction.clicks ? 1 : 0;
    }
    return run;
}

using P = StatePicture;

struct Sequence {
    const char* events;
    int clicks;
    int mode;
    std::vector<StatePicture> drawn;
};

} // namespace

TEST(CommandMachine, EventSequences) {
    const Sequence table[] = {
        // Disabled: the Disable frame, no reaction to the pointer, never a click.
        {"idmDUoRfz", 0, 1, {P::Disable, P::Disable}},
        // Hover, press, release: one click.
        {"imDU", 1, 2, {P::HighLight, P::Pressed, P::Normal}},
        // Focused button pressed, dragged off (tick turns 4 into 3), released: no click.
        {"ifmDoU", 0, 3, {P::Selected, P::HighLightSelect, P::Pressed, P::Selected}},
        // The same press released on the button clicks.
        {"ifmDU", 1, 4, {P::Selected, P::HighLightSelect, P::Pressed, P::HighLightSelect}},
        // Unfocused press dragged off and released outside still clicks.
        {"imDoU", 1, 1, {P::HighLight, P::Pressed, P::Normal}},
        // A right release clicks in modes 1, 2 and 4, not in 3.
        {"iR", 1, 1, {}},
        {"imR", 1, 2, {P::HighLight}},
        {"ifmR", 1, 4, {P::Selected, P::HighLightSelect}},
        {"ifR", 0, 3, {P::Selected}},
        // Focus while hovered draws Pressed and gives 4; losing it returns to 1.
        {"imfl", 0, 1, {P::HighLight, P::Pressed, P::Normal}},
        // A tick with the pointer still on the control changes nothing.
        {"imn", 0, 2, {P::HighLight}},
        // Before Initialize the pointer does nothing; focus still moves the mode.
        {"mo", 0, 0, {}},
        {"f", 0, 3, {P::Selected}},
        // Re-enabling draws Normal and the machine reacts again.
        {"idem", 0, 2, {P::Disable, P::Normal, P::HighLight}},
        // Resizing redraws with the frame for the enabled state.
        {"iz", 0, 1, {P::Normal}},
        {"idz", 0, 1, {P::Disable, P::Disable}},
        // Reading Enabled redraws as setting it; reading the look redraws Normal only while enabled.
        {"imE", 0, 2, {P::HighLight, P::Normal}},
        {"idE", 0, 1, {P::Disable, P::Disable}},
        {"imL", 0, 2, {P::HighLight, P::Normal}},
        {"idL", 0, 1, {P::Disable}},
    };
    for (const Sequence& sequence : table) {
        SCOPED_TRACE(sequence.events);
        Played run = Play(sequence.events);
        EXPECT_EQ(run.clicks, sequence.clicks);
        EXPECT_EQ(run.machine.mode(), sequence.mode);
        EXPECT_EQ(run.drawn, sequence.drawn);
    }
}

TEST(CommandMachine, ReleaseAfterDragOffClearsThePressSoHoverWorksAgain) {
    Played run = Play("ifmDoUm");
    EXPECT_FALSE(run.machine.pressed());
    EXPECT_EQ(run.machine.mode(), 4);
}

TEST(CommandMachine, PressedFocusedButtonIgnoresHoverUntilReleased) {
    Played run = Play("ifmDom");
    EXPECT_TRUE(run.machine.pressed());
    EXPECT_EQ(run.machine.mode(), 3);
}

TEST(CommandMachine, GradientDirectionFollowsTheMode) {
    EXPECT_TRUE(Play("im").machine.reversed());
    EXPECT_FALSE(Play("imo").machine.reversed());
    // Mode 4 keeps the direction it had.
    EXPECT_TRUE(Play("imf").machine.reversed());
    EXPECT_FALSE(Play("ifm").machine.reversed());
}
