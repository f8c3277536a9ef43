#include "scene/fabric_strips.h"

void fillStripIndices(uint16_t* indices) {
    for (uint32_t i = 0; i < fabricColumns; i++) {
        indices[2 * i] = (uint16_t)(i + fabricColumns);
        indices[2 * i + 1] = (uint16_t)i;
    }
}
