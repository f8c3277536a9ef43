#include "cloth_grid.h"
#include "fabric_reference.h"

#include "util/message_log.h"
#include "util/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {
struct GridPlace {
    int row, column;
};

// Row and column of every particle, found through its address.
std::map<const FabricParticle*, GridPlace> placesOf(const ClothGrid& grid) {
    std::map<const FabricParticle*, GridPlace> places;
    for (uint32_t i = 0; i < grid.fabric.getParticleCount(); i++)
        places[grid.fabric.getParticle(i)] = GridPlace{(int)(i / grid.columns), (int)(i % grid.columns)};
    return places;
}

// Counter-clockwise slot of a neighbour step, as (column step, row step).
int slotOf(int dc, int dr) {
    const int columnStep[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    const int rowStep[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    for (int s = 0; s < 8; s++) {
        if (columnStep[s] == dc && rowStep[s] == dr)
            return s;
    }
    return -1;
}

bool sameBits(const vec3& a, const vec3& b) {
    return std::memcmp(&a, &b, sizeof(vec3)) == 0;
}
} // namespace

TEST(FabricSystem, LinkCensusOfTheSceneGrid) {
    ClothGrid grid;
    ASSERT_TRUE(grid.built);
    const FabricSystem& fabric = grid.fabric;
    ASSERT_EQ(fabric.getParticleCount(), 2268u);
    EXPECT_EQ(fabric.gravity.y, -70.0f);

    struct Expected {
        int row, column;
        uint32_t ringCount, linkCount;
    } expected[] = {
        {0, 0, 3, 6},   {0, 1, 5, 8},   {0, 2, 5, 10}, {20, 0, 5, 10},  {1, 1, 8, 11},
        {1, 2, 8, 13},  {20, 1, 8, 13}, {2, 2, 8, 16}, {20, 26, 8, 16}, {39, 51, 8, 16},
        {41, 53, 3, 6}, {0, 53, 3, 6},  {41, 0, 3, 6}, {40, 52, 8, 11}, {41, 26, 5, 10},
    };
    for (const Expected& e : expected) {
        const FabricParticle* p = fabric.getParticle((uint32_t)(e.row * 54 + e.column));
        EXPECT_EQ(p->ringCount, e.ringCount) << e.row << "," << e.column;
        EXPECT_EQ(p->links.getCount(), e.linkCount) << e.row << "," << e.column;
    }

    std::map<const FabricParticle*, GridPlace> places = placesOf(grid);
    uint32_t total = 0;
    for (uint32_t i = 0; i < fabric.getParticleCount(); i++) {
        const FabricParticle* p = fabric.getParticle(i);
        ASSERT_EQ(p->position, &grid.vertices[i].position);
        ASSERT_EQ(p->normal, &grid.vertices[i].normal);
        GridPlace self = places[p];
        int previousSlot = -1;
        for (uint32_t l = 0; l < p->links.getCount(); l++) {
            const FabricLink& link = p->links[l];
            auto found = places.find(link.other);
            ASSERT_NE(found, places.end()) << "link target outside the grid at particle " << i;
            int dr = found->second.row - self.row, dc = found->second.column - self.column;
            int distance = l < p->ringCount ? 1 : 2;
            ASSERT_EQ(dr % distance, 0);
            ASSERT_EQ(dc % distance, 0);
            int slot = slotOf(dc / distance, dr / distance);
            ASSERT_GE(slot, 0) << "particle " << i << " link " << l;
            // Each ring runs counter-clockwise through angular neighbours.
            if (l != 0 && l != p->ringCount) {
                ASSERT_EQ(slot, (previousSlot + 1) % 8) << "particle " << i << " link " << l;
            }
            previousSlot = slot;
            float expectedRest = length(*p->position - *link.other->position);
            ASSERT_EQ(link.restLength, expectedRest);
        }
        total += p->links.getCount();
    }
    EXPECT_EQ(total, 34580u);
}

TEST(FabricSystem, FlatGridFallsAsAWholeInOneStep) {
    ClothGrid grid;
    ASSERT_TRUE(grid.built);
    const float dt = 0.0125f;
    std::vector<FabricVertex> before = grid.vertices;
    grid.fabric.step(dt);
    float drop = 70.0f * dt * dt;
    for (uint32_t i = 0; i < grid.fabric.getParticleCount(); i++) {
        const FabricParticle* p = grid.fabric.getParticle(i);
        ASSERT_EQ(p->velocity.x, 0.0f) << i;
        ASSERT_EQ(p->velocity.y, -70.0f * dt) << i;
        ASSERT_EQ(p->velocity.z, 0.0f) << i;
        ASSERT_EQ(p->position->x, before[i].position.x) << i;
        ASSERT_EQ(p->position->z, before[i].position.z) << i;
        ASSERT_FLOAT_EQ(p->position->y, -drop) << i;
    }
}

TEST(FabricSystem, LinkStretchedToTwiceItsRestLengthPullsWith525DtD) {
    // Unit spacing keeps every coordinate exact; interior, edge and corner particles, near and far links.
    struct Case {
        int row, column;
        uint32_t link;
    } cases[] = {{3, 3, 0}, {3, 3, 5}, {3, 3, 9}, {3, 3, 14}, {0, 0, 1}, {6, 4, 4}};
    const float dt = 0.01f;
    for (const Case& c : cases) {
        ClothGrid grid(8, 7, 1.0f);
        ASSERT_TRUE(grid.built);
        FabricParticle* p = grid.fabric.getParticle((uint32_t)(c.row * 8 + c.column));
        const FabricLink& link = p->links[c.link];
        vec3 self = *p->position;
        vec3 d = 2.0f * (*link.other->position - self);
        *link.other->position = self + d;
        grid.fabric.step(dt);
        vec3 expected = 525.0f * dt * d + dt * grid.fabric.gravity;
        EXPECT_NEAR(p->velocity.x, expected.x, 1e-5f) << c.row << "," << c.column << " link " << c.link;
        EXPECT_NEAR(p->velocity.y, expected.y, 1e-5f) << c.row << "," << c.column << " link " << c.link;
        EXPECT_NEAR(p->velocity.z, expected.z, 1e-5f) << c.row << "," << c.column << " link " << c.link;
    }
}

TEST(FabricSystem, FlatGridNormalsPointUp) {
    for (uint32_t size : {4u, 54u}) {
        ClothGrid grid(size, size == 54 ? 42 : 4);
        ASSERT_TRUE(grid.built);
        grid.fabric.updateNormals();
        for (const FabricVertex& v : grid.vertices) {
            ASSERT_EQ(v.normal.x, 0.0f);
            ASSERT_EQ(v.normal.z, 0.0f);
            ASSERT_NEAR(v.normal.y, 1.0f, 0.002f);
        }
    }
}

// The fast passes against the plain evaluation, over a few hundred draped frames with collisions, on grids
// whose rows cut the particles into runs of every length: single particles, groups of four to seven, and
// eight or more with an overlapping last group.
TEST(FabricSystem, MatchesThePlainEvaluationBitForBit) {
    struct Size {
        uint32_t columns, rows;
    } sizes[] = {{54, 42}, {4, 4}, {5, 9}, {7, 4}, {9, 5}, {11, 6}, {13, 6}, {16, 8}};
    for (const Size& size : sizes) {
        ClothGrid fast(size.columns, size.rows), plain(size.columns, size.rows);
        ASSERT_TRUE(fast.built && plain.built);
        srand15(7);
        for (uint32_t i = 0; i < fast.fabric.getParticleCount(); i++) {
            vec3 kick((float)(rand15() - 16384) / 4096.0f, 0.0f, (float)(rand15() - 16384) / 4096.0f);
            fast.fabric.getParticle(i)->velocity = kick;
            plain.fabric.getParticle(i)->velocity = kick;
        }
        // A sphere the size of the scene's largest, its top just under the sheet, so the cloth drapes over
        // it without blowing up.
        const vec3 center(11.0f, -80.0f, -7.0f);
        const float frameTimes[] = {0.02f, 0.0125f, 0.0125f, 0.011f, 0.02f, 0.0125f};
        for (int frame = 0; frame < 300; frame++) {
            float frameTime = frameTimes[frame % 6];
            float dt = frameTime < 0.0125f ? frameTime : 0.0125f;
            fast.fabric.step(dt);
            referenceStep(plain.fabric, dt);
            fast.collide(center, 70.0f, frameTime);
            plain.collide(center, 70.0f, frameTime);
            fast.fabric.updateNormals();
            referenceNormals(plain.fabric);
        }
        int moved = 0;
        for (uint32_t i = 0; i < fast.fabric.getParticleCount(); i++) {
            const FabricParticle* a = fast.fabric.getParticle(i);
            const FabricParticle* b = plain.fabric.getParticle(i);
            ASSERT_TRUE(sameBits(*a->position, *b->position))
                << size.columns << "x" << size.rows << " #" << i;
            ASSERT_TRUE(sameBits(a->velocity, b->velocity)) << size.columns << "x" << size.rows << " #" << i;
            ASSERT_TRUE(sameBits(*a->normal, *b->normal)) << size.columns << "x" << size.rows << " #" << i;
            ASSERT_TRUE(std::isfinite(a->position->y)) << size.columns << "x" << size.rows;
            moved += a->normal->y < 0.99f;
        }
        EXPECT_GT(moved, 0) << "the cloth should have folded";
    }
    srand15(1);
}

TEST(FabricSystem, WorksThroughAnyVertexStride) {
    // Position and normal in separate places of a 44-byte record; the bytes between stay untouched.
    const uint32_t columns = 6, rows = 5, stride = 44;
    std::vector<unsigned char> bytes(columns * rows * stride, 0xAB);
    ClothGrid layout(columns, rows);
    ASSERT_TRUE(layout.built);
    for (uint32_t i = 0; i < columns * rows; i++)
        std::memcpy(&bytes[i * stride + 4], &layout.vertices[i].position, sizeof(vec3));
    FabricSystem fabric;
    ASSERT_TRUE(fabric.setup(columns, rows, reinterpret_cast<vec3*>(&bytes[4]),
                             reinterpret_cast<vec3*>(&bytes[24]), stride));
    for (int frame = 0; frame < 20; frame++) {
        fabric.step(0.0125f);
        layout.fabric.step(0.0125f);
    }
    fabric.updateNormals();
    layout.fabric.updateNormals();
    for (uint32_t i = 0; i < columns * rows; i++) {
        const unsigned char* record = &bytes[i * stride];
        ASSERT_TRUE(sameBits(*fabric.getParticle(i)->position, layout.vertices[i].position)) << i;
        ASSERT_TRUE(sameBits(*fabric.getParticle(i)->normal, layout.vertices[i].normal)) << i;
        for (uint32_t b : {0u, 1u, 2u, 3u, 16u, 20u, 36u, 40u, 43u})
            ASSERT_EQ(record[b], 0xAB) << i << " byte " << b;
    }
}

TEST(FabricSystem, SetupRefusesWhatItCannotBuild) {
    std::vector<FabricVertex> vertices(64 * 64);
    vec3* position = &vertices[0].position;
    vec3* normal = &vertices[0].normal;
    struct Case {
        uint32_t columns, rows;
        vec3 *position, *normal;
        uint32_t stride;
    } cases[] = {
        {3, 42, position, normal, 32},        {54, 3, position, normal, 32}, {0, 0, position, normal, 32},
        {4, 4, nullptr, normal, 32},          {4, 4, position, nullptr, 32}, {4, 4, position, normal, 8},
        {65536, 65536, position, normal, 32},
    };
    for (const Case& c : cases) {
        FabricSystem fabric;
        uint32_t logged = messageLog.getCount();
        EXPECT_FALSE(fabric.setup(c.columns, c.rows, c.position, c.normal, c.stride))
            << c.columns << "x" << c.rows;
        EXPECT_EQ(fabric.getParticleCount(), 0u);
        EXPECT_EQ(messageLog.getCount(), logged + 1);
        fabric.step(0.0125f);
        fabric.updateNormals();
    }

    FabricSystem fabric;
    EXPECT_TRUE(fabric.setup(4, 4, position, normal, 32));
    FabricParticle* first = fabric.getParticle(0);
    EXPECT_FALSE(fabric.setup(5, 5, position, normal, 32));
    EXPECT_EQ(fabric.getParticleCount(), 16u);
    EXPECT_EQ(fabric.getParticle(0), first);
    EXPECT_EQ(fabric.getParticle(16), nullptr);
    freeMessageLog();
}
