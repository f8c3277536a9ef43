#pragma once

#include <windows.h>

#include <string>

// Program-level services of the forms runtime.
namespace Forms {

HINSTANCE ProgramInstance();
// The folder that holds the running program, without a trailing backslash ("C:" for a drive's root).
std::string ProgramFolder();
// The command line after the program's own name.
std::string CommandText();

int ScreenWidthPixels();
int ScreenHeightPixels();
int TwipsPerPixelX();
int TwipsPerPixelY();
int ScreenWidthTwips();
int ScreenHeightTwips();

// A message box owned by no window; gives back the button chosen (IDOK, ...).
int ShowMessage(const std::string& text, const std::string& title, UINT flags);

// Ends the process at once: no form gets its unload events.
[[noreturn]] void EndProgram(UINT exitCode = 0);

// Starts the program file at path as a new process with no arguments, its first window shown normally;
// keeps no handle to it. With waitForIdleMs, waits up to that long for it to be ready for input.
bool StartProgram(const std::string& path, DWORD waitForIdleMs = 0);
// The same with an environment block and a working folder (null: the caller's); returns the process
// handle for the caller to close, or null when the program did not start.
HANDLE LaunchProgram(const std::string& path, char* environment, const char* folder);

// Runs the waiting messages and returns.
void DoEvents();

// Puts the screen-wide mouse pointer back to the arrow.
void SetDefaultMousePointer();

} // namespace Forms
