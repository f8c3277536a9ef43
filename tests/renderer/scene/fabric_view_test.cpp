#include "scene/fabric_camera.h"
#include "scene/fabric_light_path.h"
#include "scene/fabric_light_sprite.h"
#include "scene/fabric_scene.h"
#include "util/noise.h"
#include "util/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

TEST(FabricViewTest, StripIndicesZigZagFromTheNextRow) {
    std::unique_ptr<FabricScene> scene(new FabricScene);
    scene->init(1);
    const uint16_t* s = scene->stripIndices;
    const uint16_t start[] = {54, 0, 55, 1, 56, 2};
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(s[i], start[i]) << i;
    EXPECT_EQ(s[stripIndexCount - 2], 107);
    EXPECT_EQ(s[stripIndexCount - 1], 53);
    for (uint32_t i = 0; i < fabricColumns; i++) {
        ASSERT_EQ(s[2 * i], i + 54);
        ASSERT_EQ(s[2 * i + 1], i);
    }
    EXPECT_EQ(stripIndexCount, 108u);
    EXPECT_EQ(fabricStripCount, 41u);
    // The last strip's indices stay inside the vertex array.
    EXPECT_EQ(stripFirstVertex(fabricStripCount - 1) + 107, fabricVertexCount - 1);
}

TEST(FabricViewTest, ProjectionFor800By600) {
    mat4 p = fabricProjection(800, 600);
    EXPECT_NEAR(p[0][0], 1.0734261f, 1e-6f);
    EXPECT_NEAR(p[1][1], 1.4312349f, 1e-6f);
    EXPECT_FLOAT_EQ(p[2][2], 6000.1f / 5999.9f);
    EXPECT_FLOAT_EQ(p[2][3], -1200.0f / 5999.9f);
    EXPECT_EQ(p[3][2], 1.0f);
    EXPECT_EQ(p[3][3], 0.0f);
    EXPECT_EQ(p[0][1], 0.0f);

    // An empty client area (a minimised window) still gives a finite matrix.
    for (const mat4& m : {fabricProjection(0, 0), fabricProjection(800, 0), fabricProjection(0, 600)}) {
        for (int r = 0; r < 4; r++)
            for (int c = 0; c < 4; c++)
                ASSERT_TRUE(std::isfinite(m[r][c]));
    }
}

TEST(FabricViewTest, StartCameraLooksDownAcrossTheSheet) {
    FabricCamera camera = startCamera();
    EXPECT_EQ(camera.position.x, 120.0f);
    EXPECT_EQ(camera.position.y, 80.0f);
    EXPECT_EQ(camera.position.z, -190.0f);
    EXPECT_EQ(camera.wx, 0.48f);
    EXPECT_EQ(camera.wy, 0.55f);
    EXPECT_EQ(camera.wz, 0.0f);

    mat4 view = fabricModelview(camera);
    vec3 forward = cameraForward(view);
    EXPECT_NEAR(forward.x, -0.464f, 5e-4f);
    EXPECT_NEAR(forward.y, -0.462f, 5e-4f);
    EXPECT_NEAR(forward.z, 0.756f, 5e-4f);

    // The camera sits at the origin of view space, and the sheet's centre lies ahead of it.
    vec4 eye = view * vec4(camera.position, 1.0f);
    EXPECT_NEAR(eye.x, 0.0f, 1e-4f);
    EXPECT_NEAR(eye.y, 0.0f, 1e-4f);
    EXPECT_NEAR(eye.z, 0.0f, 1e-4f);
    vec4 centre = view * vec4(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_GT(centre.z, 200.0f);
    EXPECT_LT(std::fabs(centre.x), 0.2f * centre.z);

    vec3 right = cameraRight(view), up = cameraUp(view);
    EXPECT_NEAR(dot(right, up), 0.0f, 1e-6f);
    EXPECT_NEAR(dot(right, forward), 0.0f, 1e-6f);
    EXPECT_NEAR(length(up), 1.0f, 1e-6f);
    EXPECT_NEAR(right.y, 0.0f, 1e-6f) << "no roll";
}

TEST(FabricViewTest, LightWandersOnTheSamePathInEveryRun) {
    srand15(1);
    initNoise();
    vec3 atStart = lightPosition(0.0f);
    EXPECT_EQ(atStart.x, 0.0f);
    EXPECT_EQ(atStart.y, 80.0f * noise1(23.37f) + 80.0f);
    EXPECT_EQ(atStart.z, 320.0f * noise1(12.31f));
    EXPECT_NE(atStart.z, 0.0f);

    // init fills the tables before seeding, so the seed never changes the path.
    const float times[] = {0.0f, 1.7f, 12.25f, 300.0f};
    vec3 first[4];
    for (uint64_t seed : {1ull, 0xFFFFFFFF00000007ull}) {
        srand15(1);
        std::unique_ptr<FabricScene> scene(new FabricScene);
        scene->init(seed);
        for (int i = 0; i < 4; i++) {
            vec3 l = lightPosition(times[i]);
            if (seed == 1) {
                first[i] = l;
            } else {
                EXPECT_EQ(l.x, first[i].x);
                EXPECT_EQ(l.y, first[i].y);
                EXPECT_EQ(l.z, first[i].z);
            }
        }
    }

    bool moved = false;
    for (int step = 0; step < 4000; step++) {
        vec3 l = lightPosition(0.05f * (float)step);
        ASSERT_TRUE(std::fabs(l.x) <= 160.0f && std::fabs(l.z) <= 160.0f) << step;
        ASSERT_TRUE(l.y >= 40.0f && l.y <= 120.0f) << step;
        moved = moved || std::fabs(l.x - atStart.x) > 20.0f;
    }
    EXPECT_TRUE(moved);
}

TEST(FabricViewTest, LightSpriteIsA30UnitSquareFacingTheCamera) {
    mat4 view = fabricModelview(startCamera());
    const vec3 light(10.0f, 90.0f, -20.0f);
    LightSpriteCorner corners[4];
    lightSpriteCorners(light, view, corners);
    const float texCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float rightSign[4] = {-1, 1, 1, -1};
    const float upSign[4] = {1, 1, -1, -1};
    vec3 forward = cameraForward(view);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(corners[i].texCoord.x, texCoords[i][0]);
        EXPECT_EQ(corners[i].texCoord.y, texCoords[i][1]);
        vec3 offset = corners[i].position - light;
        EXPECT_NEAR(dot(offset, cameraRight(view)), 15.0f * rightSign[i], 1e-4f) << i;
        EXPECT_NEAR(dot(offset, cameraUp(view)), 15.0f * upSign[i], 1e-4f) << i;
        EXPECT_NEAR(dot(offset, forward), 0.0f, 1e-4f) << i;
    }
}
