#pragma once

// Flags of loadTexture/addTexture; other bits are accepted and have no effect.
enum TextureFlags : unsigned {
    TexNormalMap = 0x1,
    TexHeightInAlpha = 0x2,
    TexNoMipMaps = 0x4,
    TexNearest = 0x8,
    TexClampS = 0x100,
    TexClampT = 0x200,
    TexOneDimensional = 0x800,
};
