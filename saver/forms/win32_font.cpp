#include "saver/forms/win32_font.h"

#include <cmath>
#include <vector>

namespace Forms {

namespace {

// The face's bytes are in the code page of the font's character set (a Japanese face name in Shift_JIS),
// whatever the system's code page is; the default set means the system's.
std::wstring WideFace(const FontSpec& description) {
    UINT codePage = CP_ACP;
    CHARSETINFO info = {};
    if (description.charset != DEFAULT_CHARSET &&
        TranslateCharsetInfo((DWORD*)(UINT_PTR)description.charset, &info, TCI_SRCCHARSET))
        codePage = info.ciACP;
    const int length =
        MultiByteToWideChar(codePage, 0, description.face.data(), (int)description.face.size(), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> wide((size_t)length);
    MultiByteToWideChar(codePage, 0, description.face.data(), (int)description.face.size(), wide.data(),
                        length);
    return std::wstring(wide.data(), wide.size());
}

} // namespace

Font::Font(const FontSpec& wanted) : fontSpec(wanted) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const int height = -(int)std::lround(wanted.points * dotsPerInch / 72.0);
    const std::wstring face = WideFace(wanted);
    HFONT handle = CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               (BYTE)wanted.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (handle)
        font = std::shared_ptr<HFONT__>(handle, [](HFONT f) { DeleteObject(f); });
}

} // namespace Forms
