#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace Forms {

// A font by face name (ANSI bytes of the face), size in points and character set.
struct FontSpec {
    std::string face = "MS Sans Serif";
    double points = 8.25;
    int charset = DEFAULT_CHARSET;
    bool bold = false;
    bool operator==(const FontSpec& other) const {
        return face == other.face && points == other.points && charset == other.charset && bold == other.bold;
    }
};

// The GDI font for a FontSpec; copies share it.
class Font {
public:
    Font() = default;
    explicit Font(const FontSpec& wanted);
    const FontSpec& getSpec() const { return fontSpec; }
    HFONT handle() const { return font ? font.get() : (HFONT)GetStockObject(DEFAULT_GUI_FONT); }

private:
    FontSpec fontSpec;
    std::shared_ptr<HFONT__> font;
};

} // namespace Forms
