#pragma once

#include "image/pixel_format.h"

class Image;
struct RenderTargetData;

// Index into the renderer's texture table; -1 means none.
using TextureID = int;

enum TextureType {
    Tex2D = 0,
    TexCube = 1,
    Tex3D = 2,
    Tex1D = 3,
};

const int MAX_TEXTURE_IMAGES = 6;

// One texture of the table, copied in by value. A glName of 0 marks a free slot.
struct TextureEntry {
    unsigned glName = 0;
    TextureType type = Tex2D;
    int width = 0;
    int height = 0;
    int depth = 1;
    PixelFormat format = None;
    // One image (2-D, 1-D) or the six cube faces, owned by the entry.
    Image* images[MAX_TEXTURE_IMAGES] = {};
    // Render targets only; shares the storage of images[0].
    RenderTargetData* renderTarget = nullptr;
    bool clampS = false;
    bool clampT = false;
    bool hasMipMaps = false;
    bool nearest = false;
    bool isRenderTarget = false;
};
