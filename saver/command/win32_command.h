#pragma once

#include "saver/command/command_machine.h"
#include "saver/command/command_properties.h"
#include "saver/forms/win32_font.h"
#include "saver/forms/win32_picture.h"
#include "saver/forms/win32_timer.h"
#include "saver/forms/win32_user_control.h"

#include <functional>
#include <string>

namespace Morvex {

// The custom-drawn push button: a gradient face inside the frame of one of six state pictures, with its
// caption (UTF-8, drawn through the wide-character functions) centred over it.
class Command : public Forms::UserControl {
public:
    explicit Command(Forms::Surface& container);

    void setCaption(const std::string& utf8);
    const std::string& caption() const { return properties.caption; }
    void setEnabled(bool enabled) override;
    void setCommandFont(const Forms::Font& font);
    const Forms::Font& commandFont() const { return hasFont ? captionFont : ambientFont(); }
    void setFontColour(uint32_t colour);
    // True paints an opaque background, false a transparent one; the control stays shown either way.
    void setOpaque(bool opaque);
    // Reading these redraws the control, as the stored control's readers always have: Enabled as
    // setting it does, the other two with Normal while enabled.
    bool readEnabled();
    uint32_t readFontColour();
    bool readOpaque();

    void initialize();
    std::function<void()> onClick;

    const CommandMachine& machine() const { return states; }
    StatePicture shownPicture() const { return shown; }
    const Forms::Timer& mouseTimer() const { return tmrMouse; }
    // The caption's place within the control, in pixels.
    RECT captionRect() const { return lblMsg; }

protected:
    void mouseDown(const Forms::MouseEvent& event) override;
    void mouseMove(const Forms::MouseEvent& event) override;
    void mouseUp(const Forms::MouseEvent& event) override;
    void gotFocus() override;
    void lostFocus() override;
    void resized() override;
    void readPropertiesEvent(const Forms::PropertyBag& bag) override;
    void writePropertiesEvent(Forms::PropertyBag& bag) override;

private:
    void react(const CommandReaction& reaction);
    void drawWith(StatePicture picture);
    void pointerWatch();

    CommandMachine states;
    CommandProperties properties;
    Forms::Font captionFont;
    bool hasFont = false;
    Forms::Picture pictures[6];
    Forms::Timer tmrMouse;
    StatePicture shown = StatePicture::Normal;
    RECT lblMsg{};
};

} // namespace Morvex
