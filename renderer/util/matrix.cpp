#include "util/matrix.h"

mat4::mat4(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13, float m20,
           float m21, float m22, float m23, float m30, float m31, float m32, float m33)
    : rows{{m00, m01, m02, m03}, {m10, m11, m12, m13}, {m20, m21, m22, m23}, {m30, m31, m32, m33}} {}

void mat4::translate(const vec3& v) {
    for (int r = 0; r < 4; r++) {
        float sum = rows[r][0] * v.x + rows[r][1] * v.y + rows[r][2] * v.z;
        rows[r][3] += sum;
    }
}

mat4 perspectiveMatrix(float fov, float ratio, float zNear, float zFar) {
    float t = tanScalar(0.5f * fov);
    float tr = t * ratio;
    return mat4(1.0f / t, 0, 0, 0,                                                           //
                0, 1.0f / tr, 0, 0,                                                          //
                0, 0, (zFar + zNear) / (zFar - zNear), -(2 * zFar * zNear) / (zFar - zNear), //
                0, 0, 1, 0);
}

mat4 rotateZXY(float a, float b, float c) {
    float ca = cosScalar(a), sa = sinScalar(a);
    float cb = cosScalar(b), sb = sinScalar(b);
    float cc = cosScalar(c), sc = sinScalar(c);
    return mat4(cb * cc + sa * sb * sc, -ca * sc, sa * cb * sc - sb * cc, 0, //
                cb * sc - sa * sb * cc, ca * cc, -sb * sc - sa * cb * cc, 0, //
                ca * sb, sa, ca * cb, 0,                                     //
                0, 0, 0, 1);
}

mat4 transpose(const mat4& m) {
    mat4 t;
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++)
            t.rows[r][c] = m.rows[c][r];
    return t;
}

vec4 operator*(const mat4& m, const vec4& v) {
    const float* p = v;
    float out[4];
    for (int r = 0; r < 4; r++)
        out[r] = m.rows[r][0] * p[0] + m.rows[r][1] * p[1] + m.rows[r][2] * p[2] + m.rows[r][3] * p[3];
    return vec4(out[0], out[1], out[2], out[3]);
}
