#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Forms {

// A bitmap held in memory (32-bit B, G, R, x pixels, top row first). Copies share the same pixels, as
// when one image control is given another's picture.
class Picture {
public:
    Picture() = default;
    static Picture fromPixels(int width, int height, const std::vector<uint8_t>& bgrx);
    static Picture fromBmpFile(const std::string& path);
    // A BITMAP resource of module; empty when the module has no such resource.
    static Picture fromResource(HINSTANCE module, int id);

    bool empty() const { return !data; }
    int width() const { return data ? data->width : 0; }
    int height() const { return data ? data->height : 0; }
    HBITMAP bitmap() const { return data ? data->bitmap : nullptr; }
    bool operator==(const Picture& other) const { return data == other.data; }

    // Copies part of the picture into dc, stretched when the sizes differ.
    void draw(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
              int sourceHeight) const;
    void draw(HDC dc, int x, int y) const { draw(dc, x, y, width(), height(), 0, 0, width(), height()); }

private:
    // Takes ownership of bitmap; empty when it is null.
    static Picture fromBitmap(HBITMAP bitmap);

    struct Data {
        HBITMAP bitmap = nullptr;
        int width = 0;
        int height = 0;
        ~Data();
    };
    std::shared_ptr<Data> data;
};

// A 32-bit top-down DIB section; bits receives its pixels.
HBITMAP CreateBitmap32(int width, int height, uint8_t** bits);

} // namespace Forms
