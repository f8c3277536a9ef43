#pragma once

#include <windows.h>

#include <string>

namespace Morvex_B {

// Starts the renderer at path as a new process with no arguments, its first window shown normally, in
// folder (so that it finds its shader files there). With handoverFolder the new process's environment
// names that folder for the two bitmaps; without it, no inherited value of that variable reaches it.
// Then waits, at most readyWithinMs, until the renderer is ready for input and its window is there, or the
// process has ended, so that a slow start is not taken for a closed renderer. Keeps no handle to it.
bool StartRenderer(const std::string& path, const std::string& folder, const std::string& handoverFolder,
                   DWORD readyWithinMs);

// The user's temporary folder, without a trailing backslash; empty when the platform names none.
std::string TemporaryFolder();

} // namespace Morvex_B
