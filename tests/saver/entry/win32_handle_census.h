#pragma once

// What can be counted of another process from outside: the platform's table of every open handle.
#include <windows.h>

namespace Driver {

// The handles that the process with that id holds, from the system-wide handle table; -1 when the
// platform does not give the table.
long HandlesOfProcess(DWORD processId);

// Whether the cursor shows for the thread that has the foreground (the one a person sees); also true
// when nothing has the foreground.
bool CursorShowing();

} // namespace Driver
