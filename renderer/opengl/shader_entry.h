#pragma once

// Index into the renderer's shader table; -1 means none.
using ShaderID = int;

// One linked program with its two stages. A program of 0 marks a free slot.
struct ShaderEntry {
    unsigned program = 0;
    unsigned vertexShader = 0;
    unsigned fragmentShader = 0;
};
