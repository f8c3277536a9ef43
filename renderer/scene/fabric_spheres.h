#pragma once

#include "util/vector.h"

#include <cstdint>

constexpr uint32_t maxSphereCount = 3;

// Spheres drawn one unit smaller than they collide, so resting cloth never cuts into the visible surface.
constexpr float sphereDrawInset = 1.0f;

// The obstacles of one fall.
struct FabricSpheres {
    uint32_t sphereCount = 0;
    vec3 sphereCenter[maxSphereCount];
    float sphereRadius[maxSphereCount];
    vec3 sphereColor[maxSphereCount];

    FabricSpheres();
};

// One to three spheres wholly below the sheet, from rand15(): the count, then seven draws per sphere
// (radius, z, depth below the radius, x, then blue, green, red).
void placeSpheres(FabricSpheres& spheres);
