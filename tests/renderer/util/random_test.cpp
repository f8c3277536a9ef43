#include "util/random.h"

#include <gtest/gtest.h>

TEST(Random, FifteenBitSequenceFromStateOne) {
    // state = state * 214013 + 2531011 from 1, result bits 16..30.
    srand15(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected)
        EXPECT_EQ(rand15(), value);
}

TEST(Random, SeedRestartsTheSequenceAndStaysInRange) {
    srand15(12345);
    int first = rand15();
    for (int i = 0; i < 100000; i++) {
        int r = rand15();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
    srand15(12345);
    EXPECT_EQ(rand15(), first);
    srand15(1);
}
