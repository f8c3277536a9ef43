#include "geometry/sphere_mesh.h"

#include "geometry/model_list.h"

#include <cstdlib>

void subdivideTriangle(vec3** cursor, const vec3& a, const vec3& b, const vec3& c, int level) {
    if (level <= 0) {
        *(*cursor)++ = a;
        *(*cursor)++ = b;
        *(*cursor)++ = c;
        return;
    }
    vec3 ab = normalize(a + b);
    vec3 bc = normalize(b + c);
    vec3 ca = normalize(c + a);
    subdivideTriangle(cursor, a, ab, ca, level - 1);
    subdivideTriangle(cursor, ab, bc, ca, level - 1);
    subdivideTriangle(cursor, ab, b, bc, level - 1);
    subdivideTriangle(cursor, ca, bc, c, level - 1);
}

void writeSphereTriangles(vec3* buffer) {
    const vec3 top(0, 1, 0), bottom(0, -1, 0);
    const vec3 px(1, 0, 0), nx(-1, 0, 0), pz(0, 0, 1), nz(0, 0, -1);
    const vec3 faces[8][3] = {
        {top, pz, px},    {top, px, nz},    {top, nz, nx},    {top, nx, pz},
        {bottom, px, pz}, {bottom, pz, nx}, {bottom, nx, nz}, {bottom, nz, px},
    };
    vec3* cursor = buffer;
    for (const auto& face : faces)
        subdivideTriangle(&cursor, face[0], face[1], face[2], sphereSubdivisionLevel);
}

Model* buildSphereModel(ModelList& list) {
    vec3* buffer = static_cast<vec3*>(std::malloc(sphereVertexCount * sizeof(vec3)));
    if (!buffer)
        return nullptr;
    writeSphereTriangles(buffer);

    Model* model = list.createModel();
    model->addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    model->addAttribute(AttributeNormal, AttributeFloat, 3, 0, 0);
    model->setPrimitive(PrimitiveTriangles);
    model->setVertices(buffer, sphereVertexCount, sizeof(vec3));
    model->weld(sphereVertexCount);
    list.models.add(model);
    return model;
}
