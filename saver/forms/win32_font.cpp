#include "saver/forms/win32_font.h"

#include <cmath>

namespace Forms {

Font::Font(const FontSpec& wanted) : fontSpec(wanted) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int height = -(int)std::lround(wanted.points * dotsPerInch / 72.0);
    HFONT handle = CreateFontA(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               (BYTE)wanted.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, wanted.face.c_str());
    if (handle)
        font = std::shared_ptr<HFONT__>(handle, [](HFONT f) { DeleteObject(f); });
}

} // namespace Forms
