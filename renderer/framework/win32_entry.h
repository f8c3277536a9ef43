#pragma once

#include <windows.h>

// The window procedure of the class "Demo".
LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The whole run of the renderer around theApp: start-up, the message and frame loop, shutdown. Returns the
// process exit code.
int runApplication(HINSTANCE instance);
