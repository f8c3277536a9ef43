#pragma once

#include "scene/fabric_system.h"

// The cloth's step and normals evaluated the plain way, particle by particle and link by link through the
// particles' own link lists: the reference the system's fast passes must match bit for bit.
void referenceStep(FabricSystem& fabric, float dt);
void referenceNormals(FabricSystem& fabric);
