#include "saver/win32_morvex_b.h"

#include "saver/command/win32_morvex_p.h"
#include "saver/command/win32_wide_label.h"
#include "saver/file_paths.h"
#include "saver/forms/win32_program.h"
#include "saver/handover_files.h"
#include "saver/win32_morvex_r.h"
#include "saver/win32_morvex_s.h"
#include "saver/win32_settings_file.h"

namespace Morvex_B {

int32_t CursorCount = 0;
StartPlan StartedAs;

// "Zandrel.dll が同じﾌｫﾙﾀﾞに見つかりません！" as UTF-8 escapes, so the file's encoding cannot change it.
const char* const MissingRendererText =
    "Zandrel.dll \xE3\x81\x8C\xE5\x90\x8C\xE3\x81\x98\xEF\xBE\x8C\xEF\xBD\xAB"
    "\xEF\xBE\x99\xEF\xBE\x80\xEF\xBE\x9E\xE3\x81\xAB\xE8\xA6\x8B\xE3\x81\xA4"
    "\xE3\x81\x8B\xE3\x82\x8A\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93\xEF\xBC\x81";
const char* const ApplicationTitle = "Zandrel";

namespace {

// The caption of the settings dialog, the other form a second start looks for.
const char* const SettingsDialogCaption = "<Zandrel>";

// Two starts within moments of each other both find no window yet; the first to create this object keeps
// the run or the dialog, the other ends. The platform frees it with the process, killed or not; a start
// that cannot create it goes on, as with every failing step.
const char* const SingleStartName = "Zandrel_Main";

bool claimSingleStart() {
    HANDLE claim = CreateMutexA(nullptr, FALSE, SingleStartName);
    return !(claim && GetLastError() == ERROR_ALREADY_EXISTS);
}

// The forms live as long as the process; the end statement never runs their destructors anyway.
template <typename FormType> FormType& newForm() {
    return *new FormType;
}

} // namespace

void Main() {
    // While a run or the settings dialog of this saver is on screen, any new start ends at once.
    if (FindWindowA(nullptr, Morvex::RunFormCaption) || FindWindowA(nullptr, SettingsDialogCaption))
        Forms::EndProgram();

    StartedAs = PlanStart(Forms::CommandText());
    if (StartedAs.mode == StartMode::Preview) {
        newForm<Morvex::Morvex_R>().showIn((HWND)(intptr_t)StartedAs.previewHandle);
        return;
    }

    if ((StartedAs.mode == StartMode::Run || StartedAs.mode == StartMode::Configure) && !claimSingleStart())
        Forms::EndProgram();

    LoadSettings();
    if (!FileExists(RendererPathIn(Forms::ProgramFolder()))) {
        MessageBoxW(nullptr, Morvex::WideText(MissingRendererText).c_str(),
                    Morvex::WideText(ApplicationTitle).c_str(), MB_OK);
        Forms::EndProgram();
    }

    if (StartedAs.mode == StartMode::Configure) {
        newForm<Morvex::Morvex_P>().showModal();
        Forms::EndProgram();
    }
    if (StartedAs.mode != StartMode::Run)
        Forms::EndProgram();

    if (StartedAs.hidesCursor)
        CursorCount = ShowCursor(FALSE);
    newForm<Morvex::Morvex_S>().load();
}

} // namespace Morvex_B
