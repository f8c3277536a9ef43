#pragma once

#include "util/vector.h"

#include <cstdint>

class Model;
class ModelList;

// The unit sphere: the eight octahedron faces, each subdivided four times.
constexpr int sphereSubdivisionLevel = 4;
constexpr uint32_t sphereVertexCount = 6144;

// Writes 3 * 4^level vertices at *cursor and advances it past them. A level below zero counts as zero.
void subdivideTriangle(vec3** cursor, const vec3& a, const vec3& b, const vec3& c, int level);

// Fills sphereVertexCount vertices: 2048 triangles, wound counter-clockwise seen from outside.
void writeSphereTriangles(vec3* buffer);

// Builds the unit sphere in a model made by the list (position and normal share each vertex), welds it into
// an indexed mesh and appends it to the list. Null when memory runs out.
Model* buildSphereModel(ModelList& list);
