#include "scene/fabric_collisions.h"
#include "scene/fabric_scene.h"
#include "util/message_log.h"
#include "util/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {
const uint32_t centreParticle = 20 * fabricColumns + 26;

// A scene as the renderer starts it: the generator fresh from process start, then init.
std::unique_ptr<FabricScene> startedScene(uint64_t cyclesPerSecond, uint32_t textureCount = 1) {
    srand15(1);
    std::unique_ptr<FabricScene> scene(new FabricScene);
    scene->init(cyclesPerSecond);
    scene->textureCount = textureCount;
    return scene;
}

std::vector<int> drawsAfterSeed(uint32_t seed, int count) {
    srand15(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; i++)
        draws.push_back(rand15());
    return draws;
}

// The first seed whose first draw has the given low two bits.
uint32_t seedWithCountBits(int bits) {
    for (uint32_t seed = 0;; seed++) {
        if ((drawsAfterSeed(seed, 1)[0] & 3) == bits)
            return seed;
    }
}

bool allFinite(const FabricScene& scene) {
    for (const FabricVertex& v : scene.fabricVertices) {
        if (!std::isfinite(v.position.x) || !std::isfinite(v.position.y) || !std::isfinite(v.position.z))
            return false;
    }
    return std::isfinite(scene.kineticEnergy);
}

// The draw that follows one reset's spheres and texture pick.
int rand15AfterPick(uint32_t seed) {
    srand15(seed);
    FabricSpheres spheres;
    placeSpheres(spheres);
    rand15();
    return rand15();
}

// Keeps the sheet but replaces the obstacles, so a test decides exactly which particles touch.
void useOneSphere(FabricScene& scene, const vec3& center, float radius) {
    scene.spheres.sphereCount = 1;
    scene.spheres.sphereCenter[0] = center;
    scene.spheres.sphereRadius[0] = radius;
}
} // namespace

TEST(FabricSceneTest, OnlyTheFirstFrameResetsAndBuildsTheLinks) {
    freeMessageLog();
    std::unique_ptr<FabricScene> scene = startedScene(3579545);
    EXPECT_EQ(scene->fabric.getParticleCount(), 0u);
    EXPECT_EQ(scene->nextResetTime, 0.0f);

    FabricFrame first = scene->update(0.016f, 0.0f);
    EXPECT_TRUE(first.reset);
    EXPECT_EQ(first.reason, FabricResetReason::TimeUp);
    EXPECT_TRUE(scene->fabricBuilt);
    ASSERT_EQ(scene->fabric.getParticleCount(), fabricVertexCount);
    EXPECT_EQ(scene->nextResetTime, 45.0f);
    // The particles live in the scene's own vertices, in grid order.
    EXPECT_EQ(scene->fabric.getParticle(0)->position, &scene->fabricVertices[0].position);
    EXPECT_EQ(scene->fabric.getParticle(fabricVertexCount - 1)->normal,
              &scene->fabricVertices[fabricVertexCount - 1].normal);
    FabricParticle* firstParticle = scene->fabric.getParticle(0);

    FabricFrame second = scene->update(0.016f, 0.016f);
    EXPECT_FALSE(second.reset);
    EXPECT_EQ(second.reason, FabricResetReason::None);

    // A later reset lays the sheet out again over the same particles; a second setup would be refused
    // with a log line.
    scene->update(0.016f, 45.0f);
    EXPECT_EQ(scene->resetCount, 2u);
    EXPECT_EQ(scene->fabric.getParticle(0), firstParticle);
    EXPECT_EQ(scene->fabric.getParticleCount(), fabricVertexCount);
    EXPECT_EQ(messageLog.getCount(), 0u);
    freeMessageLog();
}

TEST(FabricSceneTest, ResetLaysTheSheetFlatAndStopsEveryParticle) {
    std::unique_ptr<FabricScene> scene = startedScene(12345);
    scene->update(0.0125f, 0.0f);
    for (int frame = 0; frame < 200; frame++)
        scene->update(0.0125f, 0.0125f * (float)frame);
    EXPECT_LT(scene->fabricVertices[0].position.y, -1.0f);

    scene->reset(10.0f);
    EXPECT_EQ(scene->nextResetTime, 55.0f);
    const FabricVertex& first = scene->fabricVertices[0];
    const FabricVertex& last = scene->fabricVertices[fabricVertexCount - 1];
    EXPECT_FLOAT_EQ(first.position.x, -157.03703f);
    EXPECT_FLOAT_EQ(first.position.z, 121.48148f);
    EXPECT_FLOAT_EQ(last.position.x, 157.03703f);
    EXPECT_FLOAT_EQ(last.position.z, -121.48148f);
    EXPECT_EQ(first.texCoord.x, 0.0f);
    EXPECT_EQ(first.texCoord.y, 0.0f);
    EXPECT_EQ(last.texCoord.x, 1.0f);
    EXPECT_EQ(last.texCoord.y, 1.0f);
    // Row 1, column 2: one grid step towards -z, two towards +x.
    const FabricVertex& inner = scene->fabricVertices[fabricColumns + 2];
    EXPECT_EQ(inner.position.x, -24.5f * fabricGridStep);
    EXPECT_EQ(inner.position.z, 19.5f * fabricGridStep);
    EXPECT_EQ(inner.texCoord.x, 2.0f / 53.0f);
    EXPECT_EQ(inner.texCoord.y, 1.0f / 41.0f);
    for (uint32_t i = 0; i < fabricVertexCount; i++) {
        ASSERT_EQ(scene->fabricVertices[i].position.y, 0.0f) << i;
        const vec3& v = scene->fabric.getParticle(i)->velocity;
        ASSERT_TRUE(v.x == 0.0f && v.y == 0.0f && v.z == 0.0f) << i;
    }
}

TEST(FabricSceneTest, SphereCountComesFromTheLowTwoBitsAndZeroMeansOne) {
    const struct {
        int bits;
        uint32_t spheres;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}};
    for (const auto& c : cases) {
        srand15(seedWithCountBits(c.bits));
        FabricSpheres spheres;
        placeSpheres(spheres);
        EXPECT_EQ(spheres.sphereCount, c.spheres) << "low bits " << c.bits;
    }
}

TEST(FabricSceneTest, EachSphereTakesSevenDrawsInOrderAndTheFirstColourDrawIsBlue) {
    uint32_t seed = seedWithCountBits(3);
    std::vector<int> r = drawsAfterSeed(seed, 1 + 3 * 7);
    srand15(seed);
    FabricSpheres spheres;
    placeSpheres(spheres);
    ASSERT_EQ(spheres.sphereCount, 3u);
    for (uint32_t k = 0; k < 3; k++) {
        const int* d = &r[1 + 7 * k];
        float radius = (float)d[0] * 40.0f / 32767.0f + 30.0f;
        EXPECT_EQ(spheres.sphereRadius[k], radius) << k;
        EXPECT_EQ(spheres.sphereCenter[k].z, ((float)d[1] / 32767.0f - 0.5f) * 199.11111f) << k;
        EXPECT_EQ(spheres.sphereCenter[k].y, -radius - (float)d[2] * 50.0f / 32767.0f) << k;
        EXPECT_EQ(spheres.sphereCenter[k].x, ((float)d[3] / 32767.0f - 0.5f) * 256.0f) << k;
        EXPECT_EQ(spheres.sphereColor[k].z, (float)d[4] / 32767.0f) << k;
        EXPECT_EQ(spheres.sphereColor[k].y, (float)d[5] / 32767.0f) << k;
        EXPECT_EQ(spheres.sphereColor[k].x, (float)d[6] / 32767.0f) << k;
    }
    int next = rand15();
    EXPECT_EQ(next, drawsAfterSeed(seed, 23)[22]) << "placing three spheres takes exactly 22 draws";
}

TEST(FabricSceneTest, SpheresLieWhollyBelowTheSheetWithinTheirBounds) {
    for (uint32_t seed = 0; seed < 500; seed++) {
        srand15(seed * 7919u);
        FabricSpheres spheres;
        placeSpheres(spheres);
        ASSERT_GE(spheres.sphereCount, 1u);
        ASSERT_LE(spheres.sphereCount, 3u);
        for (uint32_t k = 0; k < spheres.sphereCount; k++) {
            float r = spheres.sphereRadius[k];
            const vec3& c = spheres.sphereCenter[k];
            ASSERT_TRUE(r >= 30.0f && r <= 70.0f) << r;
            float top = c.y + r;
            ASSERT_TRUE(top <= 0.0f && top >= -50.0001f) << top;
            ASSERT_TRUE(std::fabs(c.x) <= 128.0f && std::fabs(c.z) <= 99.55556f);
            const vec3& color = spheres.sphereColor[k];
            ASSERT_TRUE(color.x >= 0 && color.x <= 1 && color.y >= 0 && color.y <= 1 && color.z >= 0 &&
                        color.z <= 1);
        }
    }
}

TEST(FabricSceneTest, InitSeedsWithTheLowBitsAfterTheNoiseTablesAndResetPicksTheTexture) {
    const uint64_t cyclesPerSecond = 0x00000002DEADBEEFull;
    std::unique_ptr<FabricScene> scene = startedScene(cyclesPerSecond, 3);
    scene->update(0.01f, 0.0f);

    srand15(0xDEADBEEFu);
    FabricSpheres expected;
    placeSpheres(expected);
    int pick = rand15();
    ASSERT_EQ(scene->getSphereCount(), expected.sphereCount);
    for (uint32_t k = 0; k < expected.sphereCount; k++) {
        EXPECT_EQ(scene->getSphereRadius(k), expected.sphereRadius[k]);
        EXPECT_EQ(scene->getSphereCenter(k).x, expected.sphereCenter[k].x);
        EXPECT_EQ(scene->getSphereColor(k).z, expected.sphereColor[k].z);
    }
    EXPECT_EQ(scene->textureIndex, pick % 3);

    // Every reset draws its own pick; with no textures the draw still happens and nothing is picked.
    std::unique_ptr<FabricScene> bare = startedScene(cyclesPerSecond, 0);
    FabricFrame frame = bare->update(0.01f, 0.0f);
    EXPECT_EQ(frame.textureIndex, -1);
    int next = rand15();
    EXPECT_EQ(next, rand15AfterPick(0xDEADBEEFu)) << "the pick was drawn all the same";
}

TEST(FabricSceneTest, TexturePickCoversEveryTexture) {
    std::unique_ptr<FabricScene> scene = startedScene(777, 3);
    bool seen[3] = {};
    for (int fall = 0; fall < 60; fall++) {
        scene->reset(0.0f);
        ASSERT_GE(scene->textureIndex, 0);
        ASSERT_LT(scene->textureIndex, 3);
        seen[scene->textureIndex] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST(FabricSceneTest, ResetRuleThresholds) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float totalTime, nextResetTime, energy;
        FabricResetReason reason;
    } cases[] = {
        {0.0f, 0.0f, 0.0f, FabricResetReason::TimeUp},       // the first frame
        {45.0f, 45.0f, 100.0f, FabricResetReason::TimeUp},   // exactly due
        {44.99f, 45.0f, 100.0f, FabricResetReason::None},    // just before
        {50.0f, 45.0f, 100.0f, FabricResetReason::TimeUp},   // late frame
        {4.0f, 45.0f, 0.0f, FabricResetReason::None},        // 41 s left: the rest rule still waits
        {4.01f, 45.0f, 4.99f, FabricResetReason::AtRest},    // just under 41 s left and at rest
        {4.01f, 45.0f, 5.0f, FabricResetReason::None},       // not below the rest threshold
        {1.0f, 45.0f, 0.0f, FabricResetReason::None},        // resting early in the fall does not count
        {1.0f, 45.0f, 9800.0f, FabricResetReason::None},     // at the upper threshold
        {1.0f, 45.0f, 9800.01f, FabricResetReason::TooFast}, // above it
        {0.1f, 45.0f, nan, FabricResetReason::TooFast},      // a blown-up cloth
        {0.1f, 45.0f, std::numeric_limits<float>::infinity(), FabricResetReason::TooFast},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fabricResetReason(c.totalTime, c.nextResetTime, c.energy), c.reason)
            << "t " << c.totalTime << " next " << c.nextResetTime << " energy " << c.energy;
        EXPECT_EQ(isFabricResetDue(c.totalTime, c.nextResetTime, c.energy),
                  c.reason != FabricResetReason::None);
    }
}

TEST(FabricSceneTest, SceneResetsOnTheEnergyOfThePreviousFrame) {
    std::unique_ptr<FabricScene> scene = startedScene(99);
    scene->update(0.01f, 0.0f);
    scene->kineticEnergy = 9801.0f;
    EXPECT_EQ(scene->update(0.01f, 0.01f).reason, FabricResetReason::TooFast);
    scene->kineticEnergy = 1.0f;
    EXPECT_EQ(scene->update(0.01f, 0.02f).reason, FabricResetReason::None) << "too early in the fall";
    scene->kineticEnergy = 1.0f;
    EXPECT_EQ(scene->update(0.01f, 4.5f).reason, FabricResetReason::AtRest);
    EXPECT_EQ(scene->nextResetTime, 49.5f);
}

TEST(FabricSceneTest, StepIsClampedWhileContactDampingUsesTheWholeFrame) {
    const struct {
        float frameTime, step;
    } cases[] = {{0.005f, 0.005f}, {0.0125f, 0.0125f}, {0.05f, 0.0125f}, {5.0f, 0.0125f}};
    for (const auto& c : cases) {
        EXPECT_EQ(fabricStepTime(c.frameTime), c.step) << c.frameTime;

        std::unique_ptr<FabricScene> scene = startedScene(5);
        scene->reset(0.0f);
        // A sphere just under the centre particle: after the step only that particle is inside it.
        vec3 above = scene->fabricVertices[centreParticle].position;
        useOneSphere(*scene, above - vec3(0.0f, 29.999f, 0.0f), 30.0f);
        scene->simulate(c.frameTime);

        float fallSpeed = 70.0f * c.step;
        for (uint32_t i : {0u, centreParticle + 1, fabricVertexCount - 1}) {
            EXPECT_FLOAT_EQ(scene->fabric.getParticle(i)->velocity.y, -fallSpeed) << c.frameTime;
            EXPECT_FLOAT_EQ(scene->fabricVertices[i].position.y, -fallSpeed * c.step) << c.frameTime;
        }
        const FabricParticle* touching = scene->fabric.getParticle(centreParticle);
        EXPECT_FLOAT_EQ(touching->velocity.y, -fallSpeed * powScalar(0.015f, c.frameTime)) << c.frameTime;
        EXPECT_EQ(touching->position->y, (above.y - 29.999f) + 30.0f) << "pushed to the top of the sphere";
        // The mean over all particles, the touching one counted as still.
        float energy = fallSpeed * fallSpeed * (float)(fabricVertexCount - 1) / (float)fabricVertexCount;
        EXPECT_NEAR(scene->kineticEnergy, energy, energy * 1e-4f);
    }
}

TEST(FabricSceneTest, AVeryLongFrameAlmostStopsParticlesThatTouch) {
    std::unique_ptr<FabricScene> scene = startedScene(5);
    scene->reset(0.0f);
    vec3 above = scene->fabricVertices[centreParticle].position;
    useOneSphere(*scene, above - vec3(0.0f, 29.999f, 0.0f), 30.0f);
    scene->simulate(4.0f);
    EXPECT_LT(std::fabs(scene->fabric.getParticle(centreParticle)->velocity.y), 1e-7f);
    EXPECT_FLOAT_EQ(scene->fabric.getParticle(0)->velocity.y, -70.0f * 0.0125f);
}

TEST(FabricSceneTest, OnlyParticlesStrictlyInsideAreMovedAndDamped) {
    std::unique_ptr<FabricScene> scene = startedScene(5);
    scene->reset(0.0f);
    FabricParticle* p = scene->fabric.getParticle(0);
    // Off the sheet, so no other particle is near the test spheres.
    const vec3 where(-300.0f, 10.0f, 300.0f);
    const vec3 speed(1.0f, 2.0f, 2.0f);
    const float justOver5 = std::nextafter(5.0f, 10.0f);
    const struct {
        vec3 offset;
        float radius;
        bool inside;
    } cases[] = {
        {vec3(0.0f, 32.0f, 0.0f), 32.0f, false}, // squared distance equals squared radius
        {vec3(3.0f, 4.0f, 0.0f), 5.0f, false},
        {vec3(0.0f, 0.0f, -2.5f), 2.5f, false},
        {vec3(3.0f, 4.0f, 0.0f), justOver5, true},
        {vec3(0.0f, 0.0f, 0.0f), 8.0f, true}, // at the very centre: leaves upwards, stays finite
    };
    for (const auto& c : cases) {
        *p->position = where;
        p->velocity = speed;
        FabricSpheres spheres;
        spheres.sphereCount = 1;
        spheres.sphereCenter[0] = where - c.offset;
        spheres.sphereRadius[0] = c.radius;
        float energy = collideWithSpheres(scene->fabric, spheres, 0.1f);
        if (!c.inside) {
            EXPECT_TRUE(p->position->x == where.x && p->position->y == where.y && p->position->z == where.z);
            EXPECT_EQ(p->velocity.y, speed.y);
            EXPECT_FLOAT_EQ(energy, 9.0f / fabricVertexCount);
        } else {
            vec3 out = *p->position - spheres.sphereCenter[0];
            EXPECT_NEAR(length(out), c.radius, 1e-5f);
            EXPECT_GT(out.y, 0.0f);
            EXPECT_FLOAT_EQ(p->velocity.y, speed.y * powScalar(0.015f, 0.1f));
            EXPECT_EQ(energy, 0.0f);
        }
    }
}

TEST(FabricSceneTest, AParticleInsideTwoSpheresIsPushedOutOfEachAndDampedTwice) {
    std::unique_ptr<FabricScene> scene = startedScene(5);
    scene->reset(0.0f);
    FabricParticle* p = scene->fabric.getParticle(0);
    *p->position = vec3(-300.0f, 0.0f, 300.0f);
    p->velocity = vec3(0.0f, -10.0f, 0.0f);
    FabricSpheres spheres;
    spheres.sphereCount = 2;
    spheres.sphereCenter[0] = vec3(-300.0f, -5.0f, 300.0f);
    spheres.sphereRadius[0] = 10.0f;
    spheres.sphereCenter[1] = vec3(-300.0f, 10.0f, 300.0f);
    spheres.sphereRadius[1] = 8.0f;
    collideWithSpheres(scene->fabric, spheres, 0.2f);
    // Out of the first to y = 5, which lies inside the second: pushed down to its bottom at y = 2.
    EXPECT_FLOAT_EQ(p->position->y, 2.0f);
    float once = powScalar(0.015f, 0.2f);
    EXPECT_FLOAT_EQ(p->velocity.y, -10.0f * once * once);
}

TEST(FabricSceneTest, NormalsOfTheFreshSheetPointUp) {
    std::unique_ptr<FabricScene> scene = startedScene(5);
    scene->update(0.0f, 0.0f);
    for (uint32_t i = 0; i < fabricVertexCount; i++) {
        const vec3& n = scene->fabricVertices[i].normal;
        ASSERT_NEAR(n.y, 1.0f, 0.002f) << i;
        ASSERT_NEAR(n.x, 0.0f, 1e-6f) << i;
        ASSERT_NEAR(n.z, 0.0f, 1e-6f) << i;
    }
}

TEST(FabricSceneTest, AMinuteOfFallsStaysFiniteAndResetsByItself) {
    std::unique_ptr<FabricScene> scene = startedScene(0x12345678);
    const float frameTime = 1.0f / 60.0f;
    float totalTime = 0.0f;
    uint32_t byReason[4] = {};
    float lowestWhileDraped = 0.0f;
    for (int frame = 0; frame < 60 * 60; frame++) {
        FabricFrame f = scene->update(frameTime, totalTime);
        byReason[(int)f.reason]++;
        ASSERT_TRUE(allFinite(*scene)) << "frame " << frame;
        if (frame % 60 == 0) {
            for (const FabricVertex& v : scene->fabricVertices)
                lowestWhileDraped = std::fmin(lowestWhileDraped, v.position.y);
        }
        totalTime += frameTime;
    }
    // One step per frame at 60 fps: the cloth falls onto its spheres and comes to rest or falls past them.
    EXPECT_GE(scene->resetCount, 2u);
    EXPECT_EQ(byReason[(int)FabricResetReason::TimeUp] + byReason[(int)FabricResetReason::AtRest] +
                  byReason[(int)FabricResetReason::TooFast],
              scene->resetCount);
    EXPECT_LT(lowestWhileDraped, -20.0f);
}
