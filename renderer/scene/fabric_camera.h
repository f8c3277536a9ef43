#pragma once

#include "util/matrix.h"
#include "util/vector.h"

struct FabricCamera {
    vec3 position;
    float wx, wy, wz;
};

// Looking down across the sheet towards its centre from outside the edge of row 41.
FabricCamera startCamera();

// A horizontal field of view of 1.5 radians, depth 0.1 ... 6000.
constexpr float fabricFieldOfView = 1.5f;
constexpr float fabricNearPlane = 0.1f;
constexpr float fabricFarPlane = 6000.0f;

mat4 fabricProjection(int width, int height);
// rotateZXY(-wx, -wy, -wz), then translated by -position.
mat4 fabricModelview(const vec3& position, float wx, float wy, float wz);
inline mat4 fabricModelview(const FabricCamera& camera) {
    return fabricModelview(camera.position, camera.wx, camera.wy, camera.wz);
}

// The camera's directions in world space: rows 0, 1 and 2 of a modelview.
vec3 cameraRight(const mat4& modelview);
vec3 cameraUp(const mat4& modelview);
vec3 cameraForward(const mat4& modelview);
