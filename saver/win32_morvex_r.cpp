#include "saver/win32_morvex_r.h"

#include "saver/forms/win32_program.h"
#include "saver/run_resource_ids.h"

namespace Morvex {

namespace {

const UINT PaneWatchMs = 250;

} // namespace

Morvex_R::Morvex_R() {
    caption = "Preview Window";
    borderStyle = Forms::BorderStyle::None;
    controlBox = false;
    minButton = false;
    maxButton = false;
    showInTaskbar = false;
    paneWatch.setInterval(PaneWatchMs);
    paneWatch.onTick = [this] {
        if (!IsWindow(pane))
            Forms::EndProgram();
    };
}

void Morvex_R::loadEvent() {
    setBackColour(RGB(0, 0, 0));
    setAutoRedraw(true);
    Img_Prev = std::make_unique<Forms::ImageControl>(*this);
    Img_Prev->setPicture(Forms::Picture::fromResource(Forms::ProgramInstance(), IDB_PREVIEW));
}

void Morvex_R::showIn(HWND paneWindow) {
    pane = paneWindow;
    if (!pane || !IsWindow(pane))
        Forms::EndProgram();
    RECT area = {};
    GetWindowRect(pane, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;

    load();
    if (!hwnd())
        Forms::EndProgram();
    // A child, not a pop-up child: the pane clips and moves it.
    LONG style = GetWindowLongA(hwnd(), GWL_STYLE);
    SetWindowLongA(hwnd(), GWL_STYLE, (style & ~(LONG)WS_POPUP) | WS_CHILD);
    SetParent(hwnd(), pane);
    setBounds(0, 0, width, height);
    Img_Prev->move(0, 0, width, height);
    show();
    paneWatch.setEnabled(true);
}

void Morvex_R::unloadEvent(bool&) {
    paneWatch.setEnabled(false);
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

LRESULT Morvex_R::handleMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    // Destroyed with the pane: nothing is left to show.
    if (message == WM_DESTROY)
        Forms::EndProgram();
    handled = false;
    return 0;
}

} // namespace Morvex
