#pragma once

#include "util/vector.h"

// 4x4 matrix stored row by row; element (r, c) is float 4r + c. Points are column vectors (M * p), so
// OpenGL receives transpose(m).
struct mat4 {
    float rows[4][4];

    mat4() = default;
    mat4(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13, float m20,
         float m21, float m22, float m23, float m30, float m31, float m32, float m33);

    float* operator[](int r) { return rows[r]; }
    const float* operator[](int r) const { return rows[r]; }
    operator float*() { return &rows[0][0]; }
    operator const float*() const { return &rows[0][0]; }

    // this = this * T(v)
    void translate(const vec3& v);
};

static_assert(sizeof(mat4) == 64, "mat4 is sixteen packed floats");

// fov is the full horizontal field of view, ratio is height / width.
mat4 perspectiveMatrix(float fov, float ratio, float zNear, float zFar);

// Rz(c) * Rx(a) * Ry(-b); row 2 is the forward direction of a view rotation.
mat4 rotateZXY(float a, float b, float c);

mat4 transpose(const mat4& m);

vec4 operator*(const mat4& m, const vec4& v);
