#pragma once

// Write mask bits for changeMask.
enum WriteMask {
    MaskDepth = 1,
    MaskRed = 2,
    MaskGreen = 4,
    MaskBlue = 8,
    MaskAlpha = 16,
    MaskAll = 31,
};

// Texture combine modes per unit, for the colour part and the alpha part.
enum CombineMode {
    CombineNone = 0,
    CombineModulate = 1,
    CombineDot3 = 2,
    CombineDot3Next = 3,
    CombineAdd = 4,
    CombineReplaceTexture = 5,
    CombineReplacePrevious = 6,
    CombineTextureMinusPrevious = 7,
    CombinePrimaryMinusPrevious = 8,
    CombinePreviousMinusTexture = 9,
};

const int MAX_TEXTURE_UNITS = 16;
const int MAX_SAMPLERS = 16;

// The interface's own values for the defaults every apply returns to (GL_FUNC_ADD, GL_LEQUAL).
const int DEFAULT_BLEND_MODE = 0x8006;
const int DEFAULT_DEPTH_FUNC = 0x0203;

// Source factor of the blending cache that means "blending off"; also "depth test off".
const int STATE_OFF = -1;
