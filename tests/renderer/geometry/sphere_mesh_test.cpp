#include "geometry/model_list.h"
#include "geometry/sphere_mesh.h"
#include "model_fixtures.h"
#include "reference_weld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<vec3> sphereTriangles() {
    std::vector<vec3> buffer(sphereVertexCount);
    writeSphereTriangles(buffer.data());
    return buffer;
}

bool sameVector(const vec3& a, const vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Outward when (b - a) x (c - a) points away from the centre.
bool windsOutward(const vec3& a, const vec3& b, const vec3& c) {
    return dot(cross(b - a, c - a), a + b + c) > 0.0f;
}

TEST(SubdivideTriangle, WritesCornersInOrderAtLevelZeroAndBelow) {
    const vec3 a(0, 1, 0), b(0, 0, 1), c(1, 0, 0);
    for (int level : {0, -3}) {
        vec3 out[4];
        vec3* cursor = out;
        subdivideTriangle(&cursor, a, b, c, level);
        EXPECT_EQ(cursor, out + 3);
        EXPECT_TRUE(sameVector(out[0], a) && sameVector(out[1], b) && sameVector(out[2], c));
    }
}

TEST(SubdivideTriangle, LevelOneWritesFourTrianglesInOrder) {
    const vec3 a(0, 1, 0), b(0, 0, 1), c(1, 0, 0);
    const vec3 ab = normalize(a + b), bc = normalize(b + c), ca = normalize(c + a);
    vec3 out[13];
    vec3* cursor = out;
    subdivideTriangle(&cursor, a, b, c, 1);
    ASSERT_EQ(cursor, out + 12);
    const vec3 expected[12] = {a, ab, ca, ab, bc, ca, ab, b, bc, ca, bc, c};
    for (int i = 0; i < 12; i++)
        EXPECT_TRUE(sameVector(out[i], expected[i])) << i;
}

TEST(SphereMesh, StartsWithTheExpectedVertices) {
    std::vector<vec3> v = sphereTriangles();
    EXPECT_TRUE(sameVector(v[0], vec3(0, 1, 0)));
    const vec3 expected[2] = {{0, 0.9951847f, 0.0980171f}, {0.0980171f, 0.9951847f, 0}};
    for (int i = 0; i < 2; i++) {
        EXPECT_NEAR(v[i + 1].x, expected[i].x, 1e-7f) << i;
        EXPECT_NEAR(v[i + 1].y, expected[i].y, 1e-7f) << i;
        EXPECT_NEAR(v[i + 1].z, expected[i].z, 1e-7f) << i;
    }
}

TEST(SphereMesh, AllVerticesOnUnitSphereAndTrianglesFaceOutward) {
    std::vector<vec3> v = sphereTriangles();
    for (uint32_t i = 0; i < sphereVertexCount; i++)
        EXPECT_NEAR(length(v[i]), 1.0f, 2e-7f) << i;
    for (uint32_t t = 0; t < sphereVertexCount; t += 3)
        EXPECT_TRUE(windsOutward(v[t], v[t + 1], v[t + 2])) << t / 3;

    // Each octahedron corner appears exactly, once in every triangle fan around it.
    const vec3 corners[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (const vec3& corner : corners) {
        int count = 0;
        for (const vec3& p : v)
            count += sameVector(p, corner);
        EXPECT_EQ(count, 4);
    }
}

TEST(SphereMesh, WeldsInto1026VerticesWith16BitIndices) {
    ModelList list;
    Model* model = buildSphereModel(list);
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(list.models.count, 1u);
    EXPECT_EQ(list.models[0], model);
    EXPECT_EQ(model->vertexCount, 1026u);
    EXPECT_EQ(model->indexCount, 6144u);
    EXPECT_EQ(model->indexSize, 2u);
    EXPECT_EQ(model->vertexSize, 12u);
    EXPECT_EQ(model->primitive, (uint32_t)PrimitiveTriangles);
    ASSERT_EQ(model->attributes.count, 2u);
    EXPECT_EQ(model->attributes[0].kind, (uint32_t)AttributePosition);
    EXPECT_EQ(model->attributes[1].kind, (uint32_t)AttributeNormal);
    EXPECT_EQ(model->attributes[1].offset, 0u);

    // The indexed mesh is still the same surface: every index resolves to the original vertex.
    std::vector<vec3> original = sphereTriangles();
    const vec3* welded = reinterpret_cast<const vec3*>(model->vertices);
    for (uint32_t i = 0; i < model->indexCount; i++) {
        uint32_t index = model->getIndex(i);
        ASSERT_LT(index, 1026u);
        EXPECT_NEAR(welded[index].x, original[i].x, 0.01f);
        EXPECT_NEAR(welded[index].y, original[i].y, 0.01f);
        EXPECT_NEAR(welded[index].z, original[i].z, 0.01f);
    }
    for (uint32_t t = 0; t < model->indexCount; t += 3)
        EXPECT_TRUE(windsOutward(welded[model->getIndex(t)], welded[model->getIndex(t + 1)],
                                 welded[model->getIndex(t + 2)]));
}

TEST(SphereMesh, FastWeldGivesTheReferenceResult) {
    ModelList list;
    Model* fast = buildSphereModel(list);
    ASSERT_NE(fast, nullptr);

    Model reference;
    reference.addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    reference.addAttribute(AttributeNormal, AttributeFloat, 3, 0, 0);
    std::vector<vec3> triangles = sphereTriangles();
    void* data = std::malloc(sphereVertexCount * sizeof(vec3));
    std::memcpy(data, triangles.data(), sphereVertexCount * sizeof(vec3));
    reference.setVertices(data, sphereVertexCount, sizeof(vec3));
    referenceWeld(reference, sphereVertexCount);
    expectSameMesh(*fast, reference);
}

} // namespace
