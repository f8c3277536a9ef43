#pragma once

#include "geometry/model.h"

// The welding rule taken literally: a scan over the whole window with the skipped count, the recorded
// targets and the remap table. Quadratic; the tests hold Model::weld to exactly its result.
void referenceWeld(Model& model, uint32_t window);
