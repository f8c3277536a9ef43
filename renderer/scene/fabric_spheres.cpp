#include "scene/fabric_spheres.h"

#include "util/random.h"

FabricSpheres::FabricSpheres() {
    for (uint32_t k = 0; k < maxSphereCount; k++) {
        sphereCenter[k] = vec3(0.0f, 0.0f, 0.0f);
        sphereRadius[k] = 0.0f;
        sphereColor[k] = vec3(0.0f, 0.0f, 0.0f);
    }
}

namespace {
float draw() {
    return (float)rand15();
}
} // namespace

void placeSpheres(FabricSpheres& spheres) {
    spheres.sphereCount = (uint32_t)rand15() & 3;
    if (spheres.sphereCount == 0)
        spheres.sphereCount = 1;
    for (uint32_t k = 0; k < spheres.sphereCount; k++) {
        float radius = draw() * 40.0f / 32767.0f + 30.0f;
        // 256 * 42 / 54: the sheet's depth in the same proportion as its 256-unit width band.
        float z = (draw() / 32767.0f - 0.5f) * 199.11111f;
        float y = -radius - draw() * 50.0f / 32767.0f;
        float x = (draw() / 32767.0f - 0.5f) * 256.0f;
        spheres.sphereRadius[k] = radius;
        spheres.sphereCenter[k] = vec3(x, y, z);
        float blue = draw() / 32767.0f;
        float green = draw() / 32767.0f;
        float red = draw() / 32767.0f;
        spheres.sphereColor[k] = vec3(red, green, blue);
    }
}
