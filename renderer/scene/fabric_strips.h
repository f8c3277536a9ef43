#pragma once

#include "scene/fabric_layout.h"

#include <cstdint>

// One triangle strip joins a row to the next; the same indices serve every row because the vertex
// pointers move by one row per strip.
constexpr uint32_t fabricStripCount = fabricRows - 1;
constexpr uint32_t stripIndexCount = 2 * fabricColumns;

// Entry 2i is i + 54 (the next row), entry 2i + 1 is i.
void fillStripIndices(uint16_t* indices);

// The first vertex of strip r, where the vertex pointers are aimed for that strip.
inline uint32_t stripFirstVertex(uint32_t strip) {
    return strip * fabricColumns;
}
