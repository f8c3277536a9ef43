#pragma once

#include <cstdint>
#include <string>

namespace Morvex_B {

// What a start of the saver is for, decided from the command text (the arguments without the program).
enum class StartMode {
    Preview,   // "P": a still picture inside the pane whose handle follows
    Configure, // "C": the settings dialog
    Run,       // "S" or an empty command text: capture, renderer, music, watch
    Ignore,    // anything else (the password request "/a" among them): nothing to show
};

struct StartPlan {
    char modeLetter = 0; // upper-cased second character; 0 when the text is shorter
    StartMode mode = StartMode::Ignore;
    bool loadsSettings = false; // every mode but the preview
    bool needsRenderer = false; // every mode but the preview tests for the renderer file
    bool hidesCursor = false;   // only a run asked for with "S"
    int32_t previewHandle = 0;  // the pane's window handle for "P"
};

// The second character of the command text, upper-cased; the first (a slash or dash) is never looked at.
char ModeLetter(const std::string& commandText);

// The longest decimal number at the start of text, blanks skipped wherever they stand; 0 when none.
double LeadingNumber(const std::string& text);

// The pane handle: the text from the fourth character on as a decimal number, rounded half to even.
// A value outside 32 bits (signed or unsigned) names no window and gives 0.
int32_t PreviewHandle(const std::string& commandText);

StartPlan PlanStart(const std::string& commandText);

} // namespace Morvex_B
