#pragma once

// The window handle as the framework stores it; the same type as the platform's HWND.
using WindowHandle = struct HWND__*;

// The few window-system calls the portable framework makes. The Win32 entry point installs the real
// functions; tests install fakes. A null entry does nothing.
struct WindowSystem {
    void (*showCursor)(bool visible);
    void (*postClose)(WindowHandle window);
};

extern WindowSystem windowSystem;
