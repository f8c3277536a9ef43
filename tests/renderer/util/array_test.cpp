#include "util/array.h"

#include <gtest/gtest.h>

TEST(Array, GrowsToEightThenDoubles) {
    Array<int> a;
    EXPECT_EQ(a.capacity, 0u);
    EXPECT_EQ(a.items, nullptr);
    struct Step {
        int adds;
        uint32_t capacity;
    } steps[] = {{1, 8}, {8, 8}, {9, 16}, {16, 16}, {17, 32}, {33, 64}};
    int added = 0;
    for (const Step& s : steps) {
        for (; added < s.adds; added++)
            EXPECT_EQ(a.add(added * 10), (uint32_t)added);
        EXPECT_EQ(a.capacity, s.capacity) << s.adds;
        EXPECT_EQ(a.getCount(), (uint32_t)s.adds);
    }
    for (int i = 0; i < added; i++)
        EXPECT_EQ(a.get(i), i * 10);
}

TEST(Array, RemoveKeepsOrderAndIgnoresOutOfRange) {
    Array<int> a;
    for (int i = 0; i < 5; i++)
        a.add(i);
    a.remove(4);
    ASSERT_EQ(a.getCount(), 4u);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(a[i], i);
    a.remove(1);
    ASSERT_EQ(a.getCount(), 3u);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[1], 2);
    EXPECT_EQ(a[2], 3);
    a.remove(3);
    a.remove(100);
    EXPECT_EQ(a.getCount(), 3u);
}

TEST(Array, ClearKeepsStorageAndResizeSetsBoth) {
    Array<double> a;
    for (int i = 0; i < 10; i++)
        a.add(i);
    a.clear();
    EXPECT_EQ(a.getCount(), 0u);
    EXPECT_EQ(a.capacity, 16u);
    EXPECT_NE(a.items, nullptr);

    a.resize(3);
    EXPECT_EQ(a.capacity, 3u);
    EXPECT_EQ(a.getCount(), 3u);
    a.add(1.5);
    EXPECT_EQ(a.capacity, 6u);
    EXPECT_EQ(a[3], 1.5);
    a.resize(0);
    EXPECT_EQ(a.items, nullptr);
    EXPECT_EQ(a.capacity, 0u);
}

TEST(Array, ElementsAreCopiedAsRawBytes) {
    struct Record {
        char bytes[20];
    };
    Array<Record> a;
    Record r;
    for (int i = 0; i < 20; i++)
        r.bytes[i] = (char)i;
    for (int i = 0; i < 9; i++)
        a.add(r);
    EXPECT_EQ(a[8].bytes[19], 19);
    EXPECT_EQ(a.capacity, 16u);
}
