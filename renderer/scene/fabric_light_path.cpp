#include "scene/fabric_light_path.h"

#include "util/noise.h"

vec3 lightPosition(float t) {
    double time = t;
    float x = 320.0f * noise1((float)(0.5 * time));
    float y = 80.0f * noise1((float)(0.3 * time + 23.37)) + 80.0f;
    float z = 320.0f * noise1((float)(12.31 - 0.5 * time));
    return vec3(x, y, z);
}
