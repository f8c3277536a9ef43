#pragma once

#include "util/scalar.h"

// Packed single-precision vectors. Default construction leaves the components unset; each type converts
// to a pointer to its first float so it can be handed to OpenGL directly.

struct vec2 {
    float x, y;
    vec2() = default;
    vec2(float x_, float y_) : x(x_), y(y_) {}
    operator float*() { return &x; }
    operator const float*() const { return &x; }
};

struct vec3 {
    float x, y, z;
    vec3() = default;
    vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    operator float*() { return &x; }
    operator const float*() const { return &x; }

    vec3& operator+=(const vec3& v) {
        x += v.x;
        y += v.y;
        z += v.z;
        return *this;
    }
    vec3& operator-=(const vec3& v) {
        x -= v.x;
        y -= v.y;
        z -= v.z;
        return *this;
    }
    vec3& operator*=(float s) {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
};

struct vec4 {
    float x, y, z, w;
    vec4() = default;
    vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    vec4(const vec3& v, float w_) : x(v.x), y(v.y), z(v.z), w(w_) {}
    operator float*() { return &x; }
    operator const float*() const { return &x; }
};

static_assert(sizeof(vec2) == 8, "vec2 is two packed floats");
static_assert(sizeof(vec3) == 12, "vec3 is stored inside vertex records and must stay packed");
static_assert(sizeof(vec4) == 16, "vec4 is four packed floats");

inline vec3 operator+(const vec3& a, const vec3& b) {
    return vec3(a.x + b.x, a.y + b.y, a.z + b.z);
}
inline vec3 operator-(const vec3& a, const vec3& b) {
    return vec3(a.x - b.x, a.y - b.y, a.z - b.z);
}
inline vec3 operator-(const vec3& v) {
    return vec3(-v.x, -v.y, -v.z);
}
inline vec3 operator*(float s, const vec3& v) {
    return vec3(s * v.x, s * v.y, s * v.z);
}
inline vec3 operator*(const vec3& v, float s) {
    return vec3(v.x * s, v.y * s, v.z * s);
}

inline float dot(const vec3& a, const vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline vec3 cross(const vec3& a, const vec3& b) {
    return vec3(a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, b.y * a.x - a.y * b.x);
}

inline float length(const vec3& v) {
    return sqrtScalar(v.x * v.x + v.y * v.y + v.z * v.z);
}

// Exact: the square root is rounded to float, then inverted. A zero vector gives non-finite components.
inline vec3 normalize(const vec3& v) {
    float s = 1.0f / sqrtScalar(v.x * v.x + v.y * v.y + v.z * v.z);
    return v * s;
}

// Approximate; the zero vector stays zero.
inline vec3 fastNormalize(const vec3& v) {
    return v * fastInvSqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
