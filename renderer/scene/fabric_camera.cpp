#include "scene/fabric_camera.h"

FabricCamera startCamera() {
    return FabricCamera{vec3(120.0f, 80.0f, -190.0f), 0.48f, 0.55f, 0.0f};
}

mat4 fabricProjection(int width, int height) {
    // A minimised window reports an empty client area; a square ratio keeps the matrix finite.
    float ratio = width > 0 && height > 0 ? (float)height / (float)width : 1.0f;
    return perspectiveMatrix(fabricFieldOfView, ratio, fabricNearPlane, fabricFarPlane);
}

mat4 fabricModelview(const vec3& position, float wx, float wy, float wz) {
    mat4 modelview = rotateZXY(-wx, -wy, -wz);
    modelview.translate(-position);
    return modelview;
}

vec3 cameraRight(const mat4& modelview) {
    return vec3(modelview[0][0], modelview[0][1], modelview[0][2]);
}
vec3 cameraUp(const mat4& modelview) {
    return vec3(modelview[1][0], modelview[1][1], modelview[1][2]);
}
vec3 cameraForward(const mat4& modelview) {
    return vec3(modelview[2][0], modelview[2][1], modelview[2][2]);
}
