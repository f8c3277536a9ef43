#pragma once

// Points the framework's window-system calls at ShowCursor and PostMessageA.
void installWin32WindowSystem();
