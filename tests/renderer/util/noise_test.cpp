#include "util/noise.h"

#include "util/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
std::vector<float> sampleNoise() {
    std::vector<float> values;
    for (int i = 0; i < 2000; i++)
        values.push_back(noise1((float)i * 0.173f - 40.0f));
    return values;
}

void initNoiseFromDefaultState() {
    srand15(1);
    initNoise();
}
} // namespace

TEST(Noise, TablesTakeTheirDrawsInOrderAndCopyTheirHead) {
    srand15(1);
    std::vector<int> draws;
    for (int i = 0; i < 28672; i++)
        draws.push_back(rand15());

    initNoiseFromDefaultState();
    EXPECT_EQ(rand15(), draws[28671]) << "initNoise takes exactly 28671 draws";

    // Six draws per entry: one for the 1-D gradient, two for the 2-D one, three for the 3-D one.
    auto component = [](int r) { return (float)(r % 8192 - 4096) / 4096.0f; };
    for (int i : {0, 1, 2047, 4095}) {
        const int* r = &draws[6 * i];
        EXPECT_EQ(noiseGradient1[i], component(r[0])) << i;
        float x = component(r[1]), y = component(r[2]);
        float s = 1.0f / std::sqrt(x * x + y * y);
        EXPECT_EQ(noiseGradient2[i].x, x * s) << i;
        EXPECT_EQ(noiseGradient2[i].y, y * s) << i;
        vec3 g3(component(r[3]), component(r[4]), component(r[5]));
        vec3 n = normalize(g3);
        EXPECT_EQ(noiseGradient3[i].x, n.x) << i;
        EXPECT_EQ(noiseGradient3[i].z, n.z) << i;
    }

    // The shuffle takes the last 4095 draws, from entry 4095 down to entry 1.
    std::vector<int> expected(4096);
    for (int i = 0; i < 4096; i++)
        expected[i] = i;
    for (int k = 4095, d = 6 * 4096; k > 0; k--, d++)
        std::swap(expected[k], expected[draws[d] % 4096]);
    std::vector<bool> seen(4096, false);
    for (int i = 0; i < 4096; i++) {
        ASSERT_EQ(noisePermutation[i], expected[i]) << i;
        seen[noisePermutation[i]] = true;
        EXPECT_GE(noiseGradient1[i], -1.0f);
        EXPECT_LT(noiseGradient1[i], 1.0f);
    }
    for (int i = 0; i < 4096; i++)
        EXPECT_TRUE(seen[i]) << i;

    for (int i = 0; i < 4098; i++) {
        int copy = 4096 + i;
        ASSERT_EQ(noisePermutation[copy], noisePermutation[i]) << i;
        ASSERT_EQ(noiseGradient1[copy], noiseGradient1[i]) << i;
        ASSERT_EQ(noiseGradient2[copy].y, noiseGradient2[i].y) << i;
        ASSERT_EQ(noiseGradient3[copy].z, noiseGradient3[i].z) << i;
    }
    EXPECT_EQ(noisePermutation[8193], noisePermutation[1]);
}

TEST(Noise, ZeroAtWholeNumbersPeriodicAndBounded) {
    initNoiseFromDefaultState();
    for (float whole : {0.0f, 1.0f, 23.0f, 255.0f, 256.0f, 3000.0f, -1.0f, -100.0f})
        EXPECT_EQ(noise1(whole), 0.0f) << whole;

    // Arguments on the 1/2048 grid, so that forming x + 256 rounds nothing before the noise's own rounding.
    bool nonZero = false;
    for (int i = 0; i <= 3500 * 16; i++) {
        float x = (float)i * 0.0625f + (float)(i % 97) / 2048.0f;
        float value = noise1(x);
        ASSERT_EQ(value, noise1(x + 256.0f)) << x;
        ASSERT_LE(std::fabs(value), 0.5f) << x;
        nonZero = nonZero || value != 0.0f;
    }
    EXPECT_TRUE(nonZero);
}

TEST(Noise, SameCurveFromTheDefaultStateAndAnotherAfterSeeding) {
    initNoiseFromDefaultState();
    std::vector<float> first = sampleNoise();
    initNoiseFromDefaultState();
    EXPECT_EQ(sampleNoise(), first);

    srand15(12345);
    initNoise();
    EXPECT_NE(sampleNoise(), first);
    srand15(1);
}

TEST(Noise, ArgumentsFarOutsideTheCurveGiveZero) {
    initNoiseFromDefaultState();
    for (float x : {1e9f, -1e9f, 3e38f, INFINITY, -INFINITY, NAN})
        EXPECT_EQ(noise1(x), 0.0f) << x;
    // Below -4096 the integer part is negative and still addresses the table.
    EXPECT_TRUE(std::isfinite(noise1(-5000.3f)));
    EXPECT_LE(std::fabs(noise1(-5000.3f)), 0.5f);
}

TEST(Noise, ZeroTwoDimensionalDrawStaysZeroInsteadOfNaN) {
    // From this seed, entry 3689 draws 4096 twice for its 2-D gradient: a zero vector with no direction.
    srand15(30046);
    initNoise();
    EXPECT_EQ(noiseGradient2[3689].x, 0.0f);
    EXPECT_EQ(noiseGradient2[3689].y, 0.0f);
    EXPECT_EQ(noiseGradient2[4096 + 3689].x, 0.0f);
    srand15(1);
}
