#pragma once

#include <string>

namespace Morvex_B {

// The two bitmaps a run leaves for the renderer: the captured desktop and the light spot.
extern const char* const DesktopBitmapName; // "Zandrel1.bmp"
extern const char* const LightBitmapName;   // "Zandrel2.bmp"
// Where they go first: the root of drive C:.
extern const char* const HandoverRoot; // "C:"
// The renderer: a program stored under this name beside the saver, and the title of its window.
extern const char* const RendererFileName;    // "Zandrel.dll"
extern const char* const RendererWindowTitle; // "Zandrel_VC"
// The variable of the renderer's environment that names another folder for them.
extern const char* const HandoverVariable; // "ZANDREL_HANDOVER_DIR"

// folder and name joined by one backslash ("C:" and "Zandrel1.bmp" give "C:\Zandrel1.bmp").
std::string HandoverFile(const std::string& folder, const std::string& name);

// The renderer program beside a saver in saverFolder.
std::string RendererPathIn(const std::string& saverFolder);

// folder without its trailing backslashes, but a drive's root keeps one ("C:\" stays, "C:" becomes "C:\"):
// a bare drive letter would mean that drive's current folder.
std::string FolderForUse(const std::string& folder);

// A copy of an environment block ("NAME=value" texts, each ending in NUL, the block in a second NUL) with
// name set to value: an entry of that name (in any case) is replaced, otherwise one is added at the end.
// A null block gives a block with that one entry.
std::string EnvironmentBlockWith(const char* block, const std::string& name, const std::string& value);
// The same block with every entry of name (in any case) left out.
std::string EnvironmentBlockWithout(const char* block, const std::string& name);

} // namespace Morvex_B
