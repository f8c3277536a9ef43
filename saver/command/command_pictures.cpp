#include "saver/command/command_pictures.h"

#include "saver/command/command_face.h"

#include <algorithm>

namespace Morvex {

namespace {

struct Rgb {
    int r, g, b;
};

Rgb Mix(Rgb a, Rgb b, int weight, int of) {
    return {a.r + (b.r - a.r) * weight / of, a.g + (b.g - a.g) * weight / of,
            a.b + (b.b - a.b) * weight / of};
}

} // namespace

std::vector<uint8_t> StatePicturePixels(StatePicture picture) {
    const Rgb darkBlue{0, 60, 116}, grey{160, 160, 160}, orange{248, 179, 48}, lightBlue{152, 200, 248};
    const Rgb face{236, 236, 240}, darkFace{200, 200, 212};
    const bool glowsOrange = picture == StatePicture::HighLight || picture == StatePicture::HighLightSelect;
    const bool glowsBlue = picture == StatePicture::Selected;
    const Rgb edge = picture == StatePicture::Disable ? grey : darkBlue;
    const Rgb middle = picture == StatePicture::Pressed ? darkFace : face;

    std::vector<uint8_t> pixels(StatePictureWidth * StatePictureHeight * 3);
    for (int y = 0; y < StatePictureHeight; ++y) {
        for (int x = 0; x < StatePictureWidth; ++x) {
            const int ring = std::min({x, y, StatePictureWidth - 1 - x, StatePictureHeight - 1 - y});
            Rgb colour = middle;
            if (ring == 0)
                colour = edge;
            else if (ring < FrameThickness) {
                colour = Mix(edge, face, ring, FrameThickness);
                if (glowsOrange)
                    colour = Mix(orange, face, ring - 1, FrameThickness);
                else if (glowsBlue)
                    colour = Mix(lightBlue, face, ring - 1, FrameThickness);
            }
            uint8_t* pixel = &pixels[(y * StatePictureWidth + x) * 3];
            pixel[0] = (uint8_t)colour.b;
            pixel[1] = (uint8_t)colour.g;
            pixel[2] = (uint8_t)colour.r;
        }
    }
    return pixels;
}

} // namespace Morvex
