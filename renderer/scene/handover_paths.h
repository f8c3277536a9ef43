#pragma once

#include "util/text_string.h"

// Where the saver leaves the two bitmaps for the renderer: the captured desktop (the cloth) and the light
// spot (the light's sprite).
extern const char* const handoverClothFile;
extern const char* const handoverSpriteFile;

// The environment variable that moves the hand-over folder away from the root of drive C:.
extern const char* const handoverFolderVariable;

// folder joined with fileName by one backslash; an empty or null folder means the root of drive C:.
String handoverPath(const char* folder, const char* fileName);

// handoverPath in the folder that the environment names, or at the root of C: when it names none.
String handoverPathFromEnvironment(const char* fileName);
