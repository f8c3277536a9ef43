#pragma once

#include <string>

// True when the environment hides the shader extensions from Mesa: the renderer takes the fixed-function
// path.
bool shadersHidden();
const char* lightingPathName();

std::string currentFolder();
// A folder "fabric-NAME" below the working folder.
std::string makeFolder(const std::string& name);

// A desktop picture that nothing untextured could show: six vertical bands of pure hues (red, yellow,
// green, cyan, blue, magenta) with a darker checker over them, 1024 x 768, 24 bits.
bool writeClothPicture(const std::string& path);

// A hand-over folder holding the cloth picture and the light spot, or only one of them.
std::string handoverFolder(const std::string& name, bool cloth, bool sprite);
