#pragma once

#include "scene/fabric_spheres.h"
#include "scene/fabric_system.h"

// Pushes every particle strictly inside a sphere out to its surface and damps its velocity by
// 0.015^frameTime per sphere it was inside (the unclamped frame time). Returns the mean squared speed
// over all particles, counting those in contact as 0.
float collideWithSpheres(FabricSystem& fabric, const FabricSpheres& spheres, float frameTime);
