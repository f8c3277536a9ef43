#pragma once

#include <cstdint>
#include <string>

namespace Morvex {

struct FaceColour {
    uint8_t red = 0, green = 0, blue = 0;
};

// "&HRRGGBB" (six hexadecimal digits after "&H"); false for anything else.
bool ParseFaceColour(const std::string& text, FaceColour& colour);

// The face's two ends: white and RGB(198, 197, 215).
FaceColour FaceTopColour();
FaceColour FaceBottomColour();

// The colour of one row of a vertical gradient from the top colour to the bottom one,
// the other way round when reversed.
FaceColour FaceRowColour(int row, int height, bool reversed);

struct FaceRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// One of the nine pieces of a state picture: where it comes from and where it goes.
struct FramePiece {
    FaceRect source;
    FaceRect target;
};

constexpr int StatePictureWidth = 64;
constexpr int StatePictureHeight = 25;
constexpr int FrameThickness = 4;

// The four corners unscaled and the four edges stretched; the middle is left to the face.
// Pieces that would have no size on a tiny control are given zero width or height.
void FramePieces(int controlWidth, int controlHeight, FramePiece pieces[8]);

// The caption's top: half of (control height less label height less 20 twips), in pixels.
int CaptionTop(int controlHeight, int labelHeight, int twipsPerPixelY);

} // namespace Morvex
