#pragma once

#include "saver/command/win32_command.h"
#include "saver/command/win32_wide_label.h"
#include "saver/forms/win32_combo_box.h"
#include "saver/forms/win32_form.h"
#include "saver/forms/win32_picture_box.h"
#include "saver/forms/win32_windowless.h"

#include <functional>
#include <memory>
#include <string>

namespace Morvex_B {
// The cursor point the dialog zooms from and back to.
extern int16_t ZoomPointX, ZoomPointY;
} // namespace Morvex_B

namespace Morvex {

// Calls Initialize on every push button of the form when initialise is true, and otherwise sets their
// Enabled to enable.
void SetCommandButtons(Forms::Surface& form, bool initialise, bool enable);

// The settings dialog: the background music of a run.
class Morvex_P : public Forms::Form {
public:
    Morvex_P();
    ~Morvex_P() override { releaseControls(); }

    // Where "設定" writes; the saver's settings file unless a test says otherwise.
    std::string settingsFile;
    // The open-file dialog: true with the chosen path, false when cancelled or failed.
    std::function<bool(HWND owner, std::string& path)> chooseFile;

    std::unique_ptr<Forms::PictureBox> Pic_C;
    std::unique_ptr<Command> Cmd_Set, Cmd_Can, Cmd_File;
    std::unique_ptr<Forms::ImageControl> Img_Ra[2], Img_BGM[3];
    std::unique_ptr<WideLabel> lbl_BGM[3], lbl15, lbl14, lbl_Fname;
    std::unique_ptr<Forms::Shape> Shape3;
    std::unique_ptr<Forms::ComboBox> BGM_Repeat;

    void choose(int kind);

protected:
    void loadEvent() override;
    void resizeEvent() override;
    void unloadEvent(bool& cancel) override;

private:
    // A reload makes the controls anew; the old ones go first.
    void createControls();
    void releaseControls();
    void pickFile();
    void saveAndClose();
};

// The real open-file dialog with the saver's filter, title and starting folder.
bool OpenMusicFileDialog(HWND owner, std::string& path);

void ZoomOpen(HWND window);
void ZoomClose(HWND window);

} // namespace Morvex
