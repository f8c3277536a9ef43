#pragma once

#include "saver/forms/win32_form.h"
#include "saver/forms/win32_timer.h"
#include "saver/forms/win32_windowless.h"

#include <memory>

namespace Morvex {

// The preview: the stored still of a run, at its own size on black, as a child of the settings page's
// preview pane.
class Morvex_R : public Forms::Form {
public:
    Morvex_R();

    std::unique_ptr<Forms::ImageControl> Img_Prev;

    // Loads the form into pane, sized to it, and shows it. A pane that is no window ends the program.
    void showIn(HWND pane);

protected:
    void loadEvent() override;
    void unloadEvent(bool& cancel) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    HWND pane = nullptr;
    // The pane can go without its child hearing of it (another process's window); it is looked for.
    Forms::Timer paneWatch;
};

} // namespace Morvex
