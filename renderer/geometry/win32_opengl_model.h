#pragma once

#include "geometry/model.h"

#include <cstdint>

// A model that draws itself through OpenGL's client arrays, from static buffer objects once uploaded.
// Buffer objects belong to the context: call release while it exists; the destructor does not.
class OpenGLModel : public Model {
public:
    uint32_t vertexBuffer = 0;
    uint32_t indexBuffer = 0;

    // Copies vertices and indices into buffer objects when the buffer-object extension is present, and
    // otherwise does nothing. Uploading again refills the same buffers. Always true.
    bool upload();
    // Deletes the buffer objects and forgets their names. Always true.
    bool release();
    // Draws with whatever texture, material, matrices and shader the caller has set; leaves every client
    // array disabled and no buffer bound.
    void draw();
};
