#pragma once

#include "util/array.h"

// Process-wide log of loader errors; nothing reads it, it is freed when the program ends.
extern Array<char*> messageLog;

// Adds one line per run of text between line breaks; blank lines inside the text add nothing.
void logMessage(const char* text);
void freeMessageLog();
