#include "saver/command/command_face.h"

#include <algorithm>

namespace Morvex {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

uint8_t Blend(uint8_t from, uint8_t to, int row, int span) {
    if (span <= 0)
        return from;
    return (uint8_t)(from + ((int)to - (int)from) * row / span);
}

} // namespace

bool ParseFaceColour(const std::string& text, FaceColour& colour) {
    if (text.size() != 8 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h'))
        return false;
    int bytes[3];
    for (int i = 0; i < 3; ++i) {
        int high = HexDigit(text[2 + i * 2]), low = HexDigit(text[3 + i * 2]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = high * 16 + low;
    }
    colour.red = (uint8_t)bytes[0];
    colour.green = (uint8_t)bytes[1];
    colour.blue = (uint8_t)bytes[2];
    return true;
}

FaceColour FaceTopColour() {
    FaceColour colour;
    ParseFaceColour("&HFFFFFF", colour);
    return colour;
}

FaceColour FaceBottomColour() {
    FaceColour colour;
    ParseFaceColour("&HC6C5D7", colour);
    return colour;
}

FaceColour FaceRowColour(int row, int height, bool reversed) {
    FaceColour from = FaceTopColour(), to = FaceBottomColour();
    if (reversed)
        std::swap(from, to);
    int span = height - 1;
    row = std::clamp(row, 0, std::max(span, 0));
    return {Blend(from.red, to.red, row, span), Blend(from.green, to.green, row, span),
            Blend(from.blue, to.blue, row, span)};
}

void FramePieces(int controlWidth, int controlHeight, FramePiece pieces[8]) {
    const int t = FrameThickness;
    const int midW = StatePictureWidth - 2 * t, midH = StatePictureHeight - 2 * t;
    const int right = StatePictureWidth - t, bottom = StatePictureHeight - t;
    const int toRight = std::max(controlWidth - t, 0), toBottom = std::max(controlHeight - t, 0);
    const int spanW = std::max(controlWidth - 2 * t, 0), spanH = std::max(controlHeight - 2 * t, 0);
    pieces[0] = {{0, 0, t, t}, {0, 0, t, t}};
    pieces[1] = {{right, 0, t, t}, {toRight, 0, t, t}};
    pieces[2] = {{0, bottom, t, t}, {0, toBottom, t, t}};
    pieces[3] = {{right, bottom, t, t}, {toRight, toBottom, t, t}};
    pieces[4] = {{t, 0, midW, t}, {t, 0, spanW, t}};
    pieces[5] = {{t, bottom, midW, t}, {t, toBottom, spanW, t}};
    pieces[6] = {{0, t, t, midH}, {0, t, t, spanH}};
    pieces[7] = {{right, t, t, midH}, {toRight, t, t, spanH}};
}

int CaptionTop(int controlHeight, int labelHeight, int twipsPerPixelY) {
    int tpp = twipsPerPixelY > 0 ? twipsPerPixelY : 15;
    int twips = (controlHeight - labelHeight) * tpp - 20;
    return twips / 2 / tpp;
}

} // namespace Morvex
