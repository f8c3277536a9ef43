#include "util/matrix.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Math, FastInvSqrtMatchesKnownValuesAndStaysWithinTwoTenthsOfAPercent) {
    EXPECT_EQ(fastInvSqrt(1.0f), 0.99830715f);
    EXPECT_EQ(fastInvSqrt(4.0f), 0.49915357f);
    EXPECT_GT(fastInvSqrt(0.0f), 1e19f);
    EXPECT_TRUE(std::isfinite(fastInvSqrt(0.0f)));
    for (float x : {1e-6f, 0.01f, 0.5f, 2.0f, 3.0f, 10.0f, 12345.0f, 1e12f}) {
        float exact = 1.0f / std::sqrt(x);
        EXPECT_NEAR(fastInvSqrt(x), exact, exact * 0.002f) << x;
    }
}

TEST(Math, NormalizeIsExactAndFastNormalizeApproximate) {
    vec3 n = normalize(vec3(3, 0, 4));
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.z, 0.8f);
    EXPECT_FLOAT_EQ(length(n), 1.0f);

    vec3 f = fastNormalize(vec3(0, 2, 0));
    EXPECT_NEAR(f.y, 1.0f, 0.002f);

    vec3 zero = fastNormalize(vec3(0, 0, 0));
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);

    vec3 bad = normalize(vec3(0, 0, 0));
    EXPECT_FALSE(std::isfinite(bad.x));
}

TEST(Math, VectorOperators) {
    vec3 a(1, 2, 3), b(4, 5, 6);
    vec3 s = a + b, d = a - b, neg = -a, k = 2.0f * a, k2 = a * 3.0f;
    EXPECT_EQ(s.x, 5);
    EXPECT_EQ(d.z, -3);
    EXPECT_EQ(neg.y, -2);
    EXPECT_EQ(k.z, 6);
    EXPECT_EQ(k2.x, 3);
    EXPECT_EQ(dot(a, b), 32);
    a += b;
    a -= vec3(1, 1, 1);
    a *= 0.5f;
    EXPECT_EQ(a.x, 2);
    EXPECT_EQ(a.y, 3);
    EXPECT_EQ(a.z, 4);
    const float* p = b;
    EXPECT_EQ(p[2], 6);
}

TEST(Math, CrossGivesUpwardNormalsForTheClothOrder) {
    struct Case {
        vec3 a, b, expected;
    } cases[] = {
        {vec3(1, 0, 0), vec3(0, 0, 1), vec3(0, -1, 0)},
        {vec3(1, 0, 0), vec3(1, 0, -1), vec3(0, 1, 0)},
        {vec3(0, 1, 0), vec3(0, 0, 1), vec3(1, 0, 0)},
    };
    for (const Case& c : cases) {
        vec3 r = cross(c.a, c.b);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.z, c.expected.z);
    }
}

TEST(Math, PerspectiveMatrixFor800By600) {
    mat4 p = perspectiveMatrix(1.5f, 600.0f / 800.0f, 0.1f, 6000.0f);
    EXPECT_FLOAT_EQ(p[0][0], 1.0734261f);
    EXPECT_FLOAT_EQ(p[1][1], 1.4312349f);
    EXPECT_FLOAT_EQ(p[2][2], 1.0000333f);
    EXPECT_FLOAT_EQ(p[2][3], -0.2000033f);
    EXPECT_EQ(p[3][2], 1.0f);
    EXPECT_EQ(p[3][3], 0.0f);
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++) {
            bool set = (r == c && r < 3) || (r == 2 && c == 3) || (r == 3 && c == 2);
            if (!set) {
                EXPECT_EQ(p[r][c], 0.0f) << r << "," << c;
            }
        }
    // Depth maps zNear to -1 and zFar to +1 after the divide by w = z.
    vec4 nearPoint = p * vec4(0, 0, 0.1f, 1), farPoint = p * vec4(0, 0, 6000.0f, 1);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-4f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-4f);
}

TEST(Math, RotateZXYIsRzRxRyOfMinusB) {
    EXPECT_EQ(rotateZXY(0, 0, 0)[0][0], 1.0f);
    mat4 id = rotateZXY(0, 0, 0);
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++)
            EXPECT_EQ(id[r][c], r == c ? 1.0f : 0.0f);

    const float a = 0.48f, b = 0.55f, c = 0.3f;
    auto rx = [](float t) {
        return mat4(1, 0, 0, 0, 0, cosf(t), -sinf(t), 0, 0, sinf(t), cosf(t), 0, 0, 0, 0, 1);
    };
    auto ry = [](float t) {
        return mat4(cosf(t), 0, sinf(t), 0, 0, 1, 0, 0, -sinf(t), 0, cosf(t), 0, 0, 0, 0, 1);
    };
    auto rz = [](float t) {
        return mat4(cosf(t), -sinf(t), 0, 0, sinf(t), cosf(t), 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    };
    auto mul = [](const mat4& x, const mat4& y) {
        mat4 m;
        for (int r = 0; r < 4; r++)
            for (int k = 0; k < 4; k++)
                m[r][k] = x[r][0] * y[0][k] + x[r][1] * y[1][k] + x[r][2] * y[2][k] + x[r][3] * y[3][k];
        return m;
    };
    mat4 expected = mul(mul(rz(c), rx(a)), ry(-b));
    mat4 m = rotateZXY(a, b, c);
    for (int r = 0; r < 4; r++)
        for (int k = 0; k < 4; k++)
            EXPECT_NEAR(m[r][k], expected[r][k], 1e-6f) << r << "," << k;

    // Row 2 is the forward direction: (cos a sin b, sin a, cos a cos b).
    mat4 view = rotateZXY(0.48f, 0.55f, 0);
    EXPECT_NEAR(view[2][0], 0.464f, 0.001f);
    EXPECT_NEAR(view[2][1], 0.462f, 0.001f);
    EXPECT_NEAR(view[2][2], 0.756f, 0.001f);
}

TEST(Math, TranslateAndTranspose) {
    mat4 m = rotateZXY(0.3f, -1.1f, 2.0f);
    mat4 t = transpose(m);
    mat4 tt = transpose(t);
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++) {
            EXPECT_EQ(t[r][c], m[c][r]);
            EXPECT_EQ(tt[r][c], m[r][c]);
        }

    mat4 same = m;
    same.translate(vec3(0, 0, 0));
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(((const float*)same)[i], ((const float*)m)[i]);

    // Rotation first, then translate by the negated position: the camera position maps to the origin.
    vec3 camera(120, 80, -190);
    mat4 view = rotateZXY(0.48f, 0.55f, 0);
    view.translate(-camera);
    vec4 origin = view * vec4(camera, 1);
    EXPECT_NEAR(origin.x, 0, 1e-4f);
    EXPECT_NEAR(origin.y, 0, 1e-4f);
    EXPECT_NEAR(origin.z, 0, 1e-4f);
    EXPECT_EQ(origin.w, 1);

    // Row-major layout: float 4r + c.
    mat4 k(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    EXPECT_EQ(((const float*)k)[7], 7.0f);
    EXPECT_EQ(k[1][3], 7.0f);
}
