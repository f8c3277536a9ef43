#pragma once

#include "util/matrix.h"
#include "util/vector.h"

constexpr float lightSpriteHalfSize = 15.0f;

struct LightSpriteCorner {
    vec2 texCoord;
    vec3 position;
};

// The camera-facing square around the light, in drawing order: texture (0, 0) up-left, (1, 0) up-right,
// (1, 1) down-right, (0, 1) down-left.
void lightSpriteCorners(const vec3& light, const mat4& modelview, LightSpriteCorner corners[4]);
