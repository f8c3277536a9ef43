#include "saver/win32_morvex_s.h"

#include "saver/forms/win32_program.h"
#include "saver/handover_files.h"
#include "saver/morvex_bgm.h"
#include "saver/run_music.h"
#include "saver/run_resource_ids.h"
#include "saver/settings.h"
#include "saver/win32_morvex_b.h"
#include "saver/win32_renderer_launch.h"

namespace Morvex {

const char* const RunFormCaption = "Zandrel_Main";

namespace {

// How long the launch waits for the renderer to be up before the watch may look for its window.
const DWORD RendererReadyWithinMs = 5000;

Morvex_B::RunMusic chosenMusic() {
    return Morvex_B::RunMusicFor(Morvex_B::BgmKind, Morvex_B::BgmFile);
}

} // namespace

Morvex_S::Morvex_S() {
    caption = RunFormCaption;
    borderStyle = Forms::BorderStyle::None;
    controlBox = false;
    minButton = false;
    maxButton = false;
    showInTaskbar = false;
    Timer1.setInterval(100);
    Timer2.setInterval(200);
    Timer3.setInterval(500);
    Timer1.onTick = [] { Morvex_BGM::Mp3Tick(); };
    Timer2.onTick = [this] {
        Morvex_BGM::CdTick();
        Timer2.setEnabled(Morvex_BGM::CdPolling);
    };
    Timer3.onTick = [this] { watchRenderer(); };
}

void Morvex_S::createControls() {
    Display = std::make_unique<Forms::PictureBox>(*this);
    Display->setVisible(false);
    Display->setBackColour(RGB(0, 0, 0));
    Display->setAutoRedraw(true);

    Particle = std::make_unique<Forms::PictureBox>(*this);
    Particle->setVisible(false);
    Particle->setBackColour(RGB(0, 0, 0));
    Particle->setAutoRedraw(true);
    Particle->autoSize = true;
    Particle->setPicture(Forms::Picture::fromResource(Forms::ProgramInstance(), IDB_LIGHT_SPOT));
}

void Morvex_S::loadEvent() {
    // The watch runs from the form's creation; its ticks wait until this load is over.
    Timer3.setEnabled(true);
    createControls();

    const int width = Forms::ScreenWidthPixels(), height = Forms::ScreenHeightPixels();
    setBounds(0, 0, width, height);
    Display->move(0, 0, clientWidth(), clientHeight());

    const std::string handoverFolder = leaveBitmaps(GetDesktopWindow());

    RendererPath = Morvex_B::RendererPathIn(Forms::ProgramFolder());
    Morvex_B::StartRenderer(RendererPath, Forms::ProgramFolder(), handoverFolder, RendererReadyWithinMs);
    startMusic();
}

std::string Morvex_S::leaveBitmaps(HWND desktopWindow) {
    using namespace Morvex_B;
    HDC desktop = GetDC(desktopWindow);
    // The box keeps its image in memory, so the copy works although the form is never shown.
    if (desktop && Display->hdc())
        BitBlt(Display->hdc(), 0, 0, Display->imageWidth(), Display->imageHeight(), desktop, 0, 0, SRCCOPY);
    const bool desktopSaved = Display->saveImage(HandoverFile(HandoverRoot, DesktopBitmapName));
    if (desktop)
        ReleaseDC(desktopWindow, desktop);
    const bool lightSaved = Particle->saveImage(HandoverFile(HandoverRoot, LightBitmapName));
    if (desktopSaved && lightSaved)
        return std::string();

    // A standard user cannot write to the root of C: on current systems; the renderer is told where the
    // pair went instead. Both move, so it never reads a new desktop beside an old light spot.
    const std::string temporary = TemporaryFolder();
    if (temporary.empty() || !Display->saveImage(HandoverFile(temporary, DesktopBitmapName)) ||
        !Particle->saveImage(HandoverFile(temporary, LightBitmapName)))
        return std::string();
    return temporary;
}

void Morvex_S::startMusic() {
    switch (chosenMusic()) {
    case Morvex_B::RunMusic::Cd:
        Morvex_BGM::CdOpen();
        Timer2.setEnabled(true);
        break;
    case Morvex_B::RunMusic::Wav:
        Morvex_BGM::WavStart();
        break;
    case Morvex_B::RunMusic::Mp3:
        Morvex_BGM::Mp3Start();
        Timer1.setEnabled(true);
        break;
    case Morvex_B::RunMusic::None:
        break;
    }
}

void Morvex_S::watchRenderer() {
    if (FindWindowA(nullptr, Morvex_B::RendererWindowTitle))
        return;
    Timer3.setEnabled(false);
    unload();
}

void Morvex_S::queryUnloadEvent(bool&, Forms::UnloadReason) {
    if (Timer2.enabled()) {
        Timer2.setEnabled(false);
        Morvex_BGM::CdStop();
    }
    const Morvex_B::RunMusic music = chosenMusic();
    if (music == Morvex_B::RunMusic::Wav) {
        Morvex_BGM::WavStop();
    } else if (music == Morvex_B::RunMusic::Mp3) {
        Timer1.setEnabled(false);
        Morvex_BGM::Mp3Stop();
    }
    if (Morvex_B::StartedAs.modeLetter == 'S')
        Morvex_B::CursorCount = ShowCursor(TRUE);
    Forms::EndProgram();
}

} // namespace Morvex
