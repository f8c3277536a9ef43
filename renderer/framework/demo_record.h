#pragma once

// One frame of a demo file: camera position and angles, six little-endian floats, no padding.
struct DemoRecord {
    float x, y, z;
    float wx, wy, wz;
};

static_assert(sizeof(DemoRecord) == 24, "demo files are sequences of 24-byte records");
