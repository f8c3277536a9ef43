#pragma once

#include "saver/start_plan.h"

#include <cstdint>

namespace Morvex_B {

// The display count that ShowCursor gave back when a run asked for with "S" hid the cursor, and again
// when the run showed it.
extern int32_t CursorCount;
// What this start is for, as Main read it from the command line.
extern StartPlan StartedAs;

// The message when the renderer is not beside the saver (UTF-8).
extern const char* const MissingRendererText;
extern const char* const ApplicationTitle; // "Zandrel"

// Decides what this start is for and hands over to the form that carries it; returns once that form is
// loaded, or ends the program when there is nothing (more) to do.
void Main();

} // namespace Morvex_B
