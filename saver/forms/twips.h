#pragma once

#include <cmath>

namespace Forms {

// Form sizes are given in twips (1440 to the inch); a display of 96 dots per inch has 15 to the pixel.
inline int TwipsPerPixelFor(int dotsPerInch) {
    return dotsPerInch > 0 ? 1440 / dotsPerInch : 15;
}
inline int TwipsToPixels(double twips, int twipsPerPixel) {
    return (int)std::lround(twips / twipsPerPixel);
}
inline int PixelsToTwips(int pixels, int twipsPerPixel) {
    return pixels * twipsPerPixel;
}

} // namespace Forms
