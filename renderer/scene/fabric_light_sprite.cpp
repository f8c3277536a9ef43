#include "scene/fabric_light_sprite.h"

#include "scene/fabric_camera.h"

void lightSpriteCorners(const vec3& light, const mat4& modelview, LightSpriteCorner corners[4]) {
    vec3 right = lightSpriteHalfSize * cameraRight(modelview);
    vec3 up = lightSpriteHalfSize * cameraUp(modelview);
    corners[0] = LightSpriteCorner{vec2(0.0f, 0.0f), light - right + up};
    corners[1] = LightSpriteCorner{vec2(1.0f, 0.0f), light + right + up};
    corners[2] = LightSpriteCorner{vec2(1.0f, 1.0f), light + right - up};
    corners[3] = LightSpriteCorner{vec2(0.0f, 1.0f), light - right - up};
}
