#include "saver/forms/win32_picture.h"

#include <cstring>

namespace Forms {

HBITMAP CreateBitmap32(int width, int height, uint8_t** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits)
        *bits = (uint8_t*)pixels;
    return bitmap;
}

Picture::Data::~Data() {
    if (bitmap)
        DeleteObject(bitmap);
}

Picture Picture::fromPixels(int width, int height, const std::vector<uint8_t>& bgrx) {
    Picture picture;
    if (width <= 0 || height <= 0 || bgrx.size() < (size_t)width * height * 4)
        return picture;
    uint8_t* bits = nullptr;
    HBITMAP bitmap = CreateBitmap32(width, height, &bits);
    if (!bitmap)
        return picture;
    std::memcpy(bits, bgrx.data(), (size_t)width * height * 4);
    picture.data = std::make_shared<Data>();
    picture.data->bitmap = bitmap;
    picture.data->width = width;
    picture.data->height = height;
    return picture;
}

Picture Picture::fromBmpFile(const std::string& path) {
    return fromBitmap((HBITMAP)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                          LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

Picture Picture::fromResource(HINSTANCE module, int id) {
    return fromBitmap(
        (HBITMAP)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

Picture Picture::fromBitmap(HBITMAP bitmap) {
    Picture picture;
    if (!bitmap)
        return picture;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    picture.data = std::make_shared<Data>();
    picture.data->bitmap = bitmap;
    picture.data->width = info.bmWidth;
    picture.data->height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return picture;
}

void Picture::draw(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                   int sourceHeight) const {
    if (!data || !dc)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, data->bitmap);
    if (width == sourceWidth && height == sourceHeight) {
        BitBlt(dc, x, y, width, height, source, sourceX, sourceY, SRCCOPY);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace Forms
