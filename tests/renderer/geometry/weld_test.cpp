#include "geometry/model.h"
#include "model_fixtures.h"
#include "reference_weld.h"
#include "util/message_log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

// Vertices of four floats: a 16-byte vertex pays for a 2-byte index, so a merge of two shrinks the mesh.
void fourFloatModel(Model& model, const std::vector<float>& values) {
    model.addAttribute(AttributePosition, AttributeFloat, 4, 0, 0);
    model.setPrimitive(PrimitiveLines);
    setFloatVertices(model, values, 4);
}

struct EqualityCase {
    const char* name;
    uint32_t component;
    float a, b;
    bool equal;
};

// Printed by name: the raw bytes gtest would print include padding.
void PrintTo(const EqualityCase& c, std::ostream* out) {
    *out << c.name;
}

class WeldEquality : public ::testing::TestWithParam<EqualityCase> {};

TEST_P(WeldEquality, MergesOnlyWithinTolerance) {
    const EqualityCase& c = GetParam();
    std::vector<float> values = {0.25f, -0.5f, 0.75f, 1.0f, 0.25f, -0.5f, 0.75f, 1.0f};
    values[c.component] = c.a;
    values[4 + c.component] = c.b;
    Model model;
    fourFloatModel(model, values);
    ASSERT_TRUE(model.weld(2));
    if (c.equal) {
        EXPECT_EQ(model.vertexCount, 1u);
        EXPECT_EQ(indexList(model), (std::vector<uint32_t>{0, 0}));
        EXPECT_EQ(model.indexSize, 2u);
    } else {
        EXPECT_EQ(model.vertexCount, 2u);
        EXPECT_EQ(model.indexCount, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Boundary, WeldEquality,
                         ::testing::Values(EqualityCase{"exactlyTolerance", 0, 0.0f, 0.01f, true},
                                           EqualityCase{"justOver", 0, 0.0f, 0.011f, false},
                                           EqualityCase{"negativeOver", 1, 0.0f, -0.011f, false},
                                           EqualityCase{"reversed", 2, 0.01f, 0.0f, true},
                                           EqualityCase{"lastComponentDiffers", 3, 0.0f, 0.011f, false},
                                           EqualityCase{"nanNeverEqual", 1, NAN, NAN, false},
                                           EqualityCase{"infinityNeverEqual", 0, INFINITY, INFINITY, false},
                                           EqualityCase{"hugeEqualValues", 2, 3e38f, 3e38f, true}),
                         [](const ::testing::TestParamInfo<EqualityCase>& info) { return info.param.name; });

TEST(Weld, ComparesBytesAsFractionsOf255) {
    // 2/255 is within the tolerance of 0, 3/255 is not.
    for (uint8_t other : {2, 3}) {
        Model model;
        model.addAttribute(AttributeColor, AttributeUnsignedByte, 4, 0, 0);
        uint8_t* bytes = static_cast<uint8_t*>(std::malloc(8));
        const uint8_t values[8] = {10, 20, 30, 0, 10, 20, 30, other};
        std::memcpy(bytes, values, 8);
        model.setVertices(bytes, 2, 4);
        setIndexArray(model, {0, 1, 1, 0}, 4);
        ASSERT_TRUE(model.weld(1));
        EXPECT_EQ(model.vertexCount, other == 2 ? 1u : 2u) << int(other);
    }
}

TEST(Weld, LeavesMeshWithoutDuplicatesUnchanged) {
    Model model;
    fourFloatModel(model, {0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0});
    uint8_t* before = model.vertices;
    std::vector<uint8_t> bytes = vertexBytes(model);
    ASSERT_TRUE(model.weld(3));
    EXPECT_EQ(model.vertices, before);
    EXPECT_EQ(model.indices, nullptr);
    EXPECT_EQ(model.vertexCount, 3u);
    EXPECT_EQ(model.indexCount, 0u);
    EXPECT_EQ(vertexBytes(model), bytes);
}

TEST(Weld, KeepsMeshWhenIndicesWouldCostMoreThanTheMerge) {
    // Two 4-byte vertices merge into one, but three 2-byte indices cost more than the vertex saved.
    Model model;
    model.addAttribute(AttributePosition, AttributeFloat, 1, 0, 0);
    setFloatVertices(model, {0.5f, 0.5f, 2.0f}, 1);
    ASSERT_TRUE(model.weld(3));
    EXPECT_EQ(model.vertexCount, 3u);
    EXPECT_EQ(model.indices, nullptr);
}

TEST(Weld, RemapsExistingIndices) {
    Model model;
    fourFloatModel(model, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    setIndexArray(model, {3, 2, 1, 0, 1, 3}, 2);
    ASSERT_TRUE(model.weld(4));
    EXPECT_EQ(model.vertexCount, 2u);
    EXPECT_EQ(indexList(model), (std::vector<uint32_t>{1, 0, 1, 0, 1, 1}));
}

TEST(Weld, MergesIntoNearestEarlierSurvivorInsideWindow) {
    // Vertex 2 equals both earlier ones and goes to the nearer.
    {
        Model model;
        fourFloatModel(model, {0, 0, 0, 0, 0.015f, 0, 0, 0, 0.0075f, 0, 0, 0});
        ASSERT_TRUE(model.weld(2));
        EXPECT_EQ(indexList(model), (std::vector<uint32_t>{0, 1, 1}));
    }
    // Removed vertices still take their place in the window: with a window of 1 the third copy sees only
    // the removed second one and survives.
    {
        Model model;
        fourFloatModel(model, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        ASSERT_TRUE(model.weld(1));
        EXPECT_EQ(model.vertexCount, 2u);
        EXPECT_EQ(indexList(model), (std::vector<uint32_t>{0, 0, 1}));
    }
    // A copy three vertices back is out of reach of a window of 2.
    for (uint32_t window : {2u, 3u}) {
        Model model;
        fourFloatModel(model, {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0});
        setIndexArray(model, {0, 1, 2, 3}, 4);
        ASSERT_TRUE(model.weld(window));
        EXPECT_EQ(model.vertexCount, window == 2 ? 4u : 3u);
        EXPECT_EQ(indexList(model).back(), window == 2 ? 3u : 0u);
    }
}

// A 12-byte grid mesh with 32-bit indices whose last `duplicates` vertices copy the one before them.
void gridWithDuplicates(Model& model, uint32_t distinct, uint32_t duplicates) {
    std::vector<float> values;
    for (uint32_t i = 0; i < distinct; i++) {
        values.push_back((float)(i % 256) * 0.1f);
        values.push_back((float)(i / 256) * 0.1f);
        values.push_back(0.0f);
    }
    const std::vector<float> last(values.end() - 3, values.end());
    for (uint32_t d = 0; d < duplicates; d++)
        values.insert(values.end(), last.begin(), last.end());
    model.addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    setFloatVertices(model, values, 3);
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < distinct + duplicates; i++)
        indices.push_back(i);
    setIndexArray(model, indices, 4);
}

TEST(Weld, SwitchesToFourByteIndicesAt65536Vertices) {
    Model wide;
    gridWithDuplicates(wide, 65536, 1);
    ASSERT_TRUE(wide.weld(wide.vertexCount));
    EXPECT_EQ(wide.vertexCount, 65536u);
    EXPECT_EQ(wide.indexSize, 4u);
    EXPECT_EQ(wide.getIndex(65536), 65535u);

    Model narrow;
    gridWithDuplicates(narrow, 65535, 2);
    ASSERT_TRUE(narrow.weld(narrow.vertexCount));
    EXPECT_EQ(narrow.vertexCount, 65535u);
    EXPECT_EQ(narrow.indexSize, 2u);
    EXPECT_EQ(narrow.getIndex(65536), 65534u);
}

TEST(Weld, RefusesMeshesItCannotReadAndLeavesThemUnchanged) {
    struct BadCase {
        const char* name;
        VertexAttribute attribute;
        std::vector<uint32_t> indices;
        uint32_t indexSize;
    };
    const BadCase cases[] = {
        {"attribute past the vertex", {AttributePosition, AttributeFloat, 4, 4, 0}, {}, 0},
        {"unknown format", {AttributePosition, 7, 1, 0, 0}, {}, 0},
        {"unknown kind", {9, AttributeFloat, 1, 0, 0}, {}, 0},
        {"index out of range", {AttributePosition, AttributeFloat, 4, 0, 0}, {0, 1, 2}, 2},
        {"odd index size", {AttributePosition, AttributeFloat, 4, 0, 0}, {0, 1}, 3},
    };
    for (const BadCase& c : cases) {
        Model model;
        model.attributes.add(c.attribute);
        setFloatVertices(model, {0, 0, 0, 0, 0, 0, 0, 0}, 4);
        if (!c.indices.empty())
            setIndexArray(model, c.indices, c.indexSize == 3 ? 4 : c.indexSize);
        if (c.indexSize == 3)
            model.indexSize = 3;
        uint8_t* vertices = model.vertices;
        void* indices = model.indices;
        uint32_t logged = messageLog.getCount();
        EXPECT_FALSE(model.weld(2)) << c.name;
        EXPECT_EQ(model.vertices, vertices) << c.name;
        EXPECT_EQ(model.indices, indices) << c.name;
        EXPECT_EQ(model.vertexCount, 2u) << c.name;
        ASSERT_EQ(messageLog.getCount(), logged + 1) << c.name;
        EXPECT_EQ(std::strncmp(messageLog[logged], "Couldn't weld model", 19), 0) << messageLog[logged];
    }
    freeMessageLog();
}

TEST(Weld, EmptyModelStaysEmpty) {
    Model model;
    model.addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    EXPECT_TRUE(model.weld(100));
    EXPECT_EQ(model.vertexCount, 0u);
    EXPECT_EQ(model.vertices, nullptr);
    EXPECT_EQ(model.indices, nullptr);
}

// Random meshes full of near-duplicates, in several layouts, welded both ways.
TEST(Weld, MatchesReferenceRuleOnRandomMeshes) {
    struct Layout {
        std::vector<VertexAttribute> attributes;
        uint32_t vertexSize;
    };
    const Layout layouts[] = {
        {{{AttributePosition, AttributeFloat, 3, 0, 0}}, 12},
        {{{AttributePosition, AttributeFloat, 3, 0, 0}, {AttributeNormal, AttributeFloat, 3, 0, 0}}, 12},
        {{{AttributePosition, AttributeFloat, 1, 0, 0}}, 4},
        {{{AttributeColor, AttributeUnsignedByte, 4, 0, 0},
          {AttributeTexCoord, AttributeFloat, 2, 4, 1},
          {AttributePosition, AttributeFloat, 3, 12, 0}},
         24},
        {{}, 8},
    };
    std::mt19937 random(12345);
    auto uniform = [&](uint32_t n) { return (uint32_t)(random() % n); };
    int merged = 0;
    for (int round = 0; round < 400; round++) {
        const Layout& layout = layouts[round % 5];
        uint32_t n = uniform(300);
        std::vector<uint8_t> bytes((size_t)n * layout.vertexSize + 1);
        for (uint32_t v = 0; v < n; v++) {
            uint8_t* vertex = &bytes[(size_t)v * layout.vertexSize];
            for (uint32_t b = 0; b < layout.vertexSize; b++)
                vertex[b] = (uint8_t)uniform(4);
            // Floats on a coarse grid with jitter around the tolerance, so chains of near neighbours form.
            for (const VertexAttribute& a : layout.attributes) {
                if (a.format != AttributeFloat)
                    continue;
                for (uint32_t c = 0; c < a.components; c++) {
                    float value = (float)uniform(3) * 0.02f + (float)uniform(9) * 0.003f;
                    if (uniform(200) == 0)
                        value = NAN;
                    std::memcpy(vertex + a.offset + 4 * c, &value, 4);
                }
            }
        }
        Model fast;
        for (const VertexAttribute& a : layout.attributes)
            fast.attributes.add(a);
        void* data = std::malloc(bytes.size());
        std::memcpy(data, bytes.data(), bytes.size());
        fast.setVertices(data, n, layout.vertexSize);
        if (n > 0 && uniform(2) == 0) {
            std::vector<uint32_t> indices(uniform(2 * n) + 1);
            for (uint32_t& index : indices)
                index = uniform(n);
            setIndexArray(fast, indices, uniform(2) ? 2 : 4);
        }
        Model reference;
        copyModel(fast, reference);
        uint32_t window = uniform(4) == 0 ? n : uniform(n + 3);

        ASSERT_TRUE(fast.weld(window));
        referenceWeld(reference, window);
        SCOPED_TRACE(testing::Message() << "round " << round << " n " << n << " window " << window);
        expectSameMesh(fast, reference);
        merged += fast.vertexCount < n;
    }
    EXPECT_GT(merged, 100);
}

TEST(Model, AdoptsAndReplacesArrays) {
    Model model;
    EXPECT_EQ(model.vertexCount, 0u);
    EXPECT_EQ(model.attributes.count, 0u);
    setFloatVertices(model, {1, 2, 3}, 3);
    setFloatVertices(model, {4, 5, 6, 7, 8, 9}, 3);
    setIndexArray(model, {0, 1}, 2);
    setIndexArray(model, {1, 0, 1}, 4);
    EXPECT_EQ(model.vertexCount, 2u);
    EXPECT_EQ(model.vertexSize, 12u);
    EXPECT_EQ(model.indexSize, 4u);
    EXPECT_EQ(indexList(model), (std::vector<uint32_t>{1, 0, 1}));
    model.addAttribute(AttributeTexCoord, AttributeFloat, 2, 4, 1);
    const VertexAttribute& a = model.attributes[0];
    EXPECT_EQ(a.kind, (uint32_t)AttributeTexCoord);
    EXPECT_EQ(a.offset, 4u);
    EXPECT_EQ(a.index, 1u);
}

} // namespace
