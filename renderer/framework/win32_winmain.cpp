#include "framework/win32_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runApplication(instance);
}
