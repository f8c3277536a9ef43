#pragma once

#include "saver/forms/win32_form.h"
#include "saver/forms/win32_picture_box.h"
#include "saver/forms/win32_timer.h"

#include <memory>
#include <string>

namespace Morvex {

// The caption that a second start of the saver looks for.
extern const char* const RunFormCaption; // "Zandrel_Main"

// The run: a form never shown. Its load captures the screen, leaves the two bitmaps for the renderer,
// starts the renderer and the music; its timers keep the music going and watch the renderer's window;
// its unload stops the music, shows the cursor again and ends the program.
class Morvex_S : public Forms::Form {
public:
    Morvex_S();

    std::unique_ptr<Forms::PictureBox> Display;  // the copy of the screen
    std::unique_ptr<Forms::PictureBox> Particle; // the stored light spot
    Forms::Timer Timer1;                         // MP3 watch
    Forms::Timer Timer2;                         // CD watch
    Forms::Timer Timer3;                         // renderer watch
    std::string RendererPath;

protected:
    void loadEvent() override;
    void queryUnloadEvent(bool& cancel, Forms::UnloadReason reason) override;

private:
    void createControls();
    // Writes both bitmaps; gives the folder to name to the renderer, empty for the root of C:.
    std::string leaveBitmaps(HWND desktopWindow);
    void startMusic();
    void watchRenderer();
};

} // namespace Morvex
