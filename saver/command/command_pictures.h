#pragma once

#include "saver/command/command_machine.h"

#include <cstdint>
#include <vector>

namespace Morvex {

// The 64 x 25 state picture as B, G, R pixels, top row first: a 4-pixel frame round a face that
// painting never uses.
std::vector<uint8_t> StatePicturePixels(StatePicture picture);

} // namespace Morvex
