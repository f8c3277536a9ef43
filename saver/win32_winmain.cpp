#include "saver/forms/win32_form.h"
#include "saver/win32_morvex_b.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Morvex_B::Main();
    // The program lives while the form that carries the mode is loaded.
    Forms::RunEventLoop();
    return 0;
}
