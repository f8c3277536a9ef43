#include "saver/forms/win32_font.h"

#include <cmath>

namespace Forms {

Font::Font(const FontSpec& spec) : fontSpec(spec) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int height = -(int)std::lround(spec.points * dotsPerInch / 72.0);
    HFONT handle = CreateFontA(height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               (BYTE)spec.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str());
    if (handle)
        font = std::shared_ptr<HFONT__>(handle, [](HFONT f) { DeleteObject(f); });
}

} // namespace Forms
