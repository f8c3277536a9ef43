#pragma once

#include "util/vector.h"

// The light's position at time t on its noise path: x and z within +-160, height 40 ... 120. The same in
// every run when the noise tables were filled before the generator was seeded.
vec3 lightPosition(float t);
