// The preview form's pixels, in a pane of this process: the platform under test draws a child window of
// another process nowhere, so the end-to-end driver checks the window tree and this checks the picture.
#include "win32_saver_driver.h"

#include "saver/win32_morvex_r.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Driver;

namespace {

bool closeTo(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs((int)((a >> shift) & 255) - (int)((b >> shift) & 255)) > tolerance)
            return false;
    return true;
}

HWND makePane(int width, int height) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszClassName = L"PreviewTestPane";
    RegisterClassW(&windowClass);
    HWND pane =
        CreateWindowExW(WS_EX_TOPMOST, L"PreviewTestPane", L"pane", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                        60, 60, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    Pump(100);
    return pane;
}

TEST(Morvex_R, ShowsThePictureAtItsOwnSizeOnBlack) {
    Bitmap picture;
    ASSERT_TRUE(ReadBitmap(WindowsPath(ZANDREL_ASSETS_DIR "/preview.bmp"), picture));
    ASSERT_EQ(picture.width, 152);
    ASSERT_EQ(picture.height, 112);
    // The usual pane (the whole picture, no margin), a larger one (black beside and below), a smaller one
    // (the top-left part).
    const struct { int width, height; } panes[] = {{152, 112}, {300, 200}, {100, 80}};
    for (const auto& size : panes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        HWND pane = makePane(size.width, size.height);
        Morvex::Morvex_R preview;
        preview.showIn(pane);
        ASSERT_TRUE(preview.loaded());
        EXPECT_EQ(GetParent(preview.hwnd()), pane);
        Pump(300);
        RECT area;
        GetWindowRect(pane, &area);
        const std::vector<uint32_t> shown = CaptureScreen(area);
        SaveBmp(L"preview-" + std::to_wstring(size.width) + L".bmp", size.width, size.height, shown);
        int wrong = 0;
        for (int y = 0; y < size.height; y++)
            for (int x = 0; x < size.width; x++) {
                const bool inPicture = x < picture.width && y < picture.height;
                const uint32_t want = inPicture ? picture.pixels[(size_t)y * picture.width + x] : 0;
                if (!closeTo(shown[(size_t)y * size.width + x], want, 2))
                    wrong++;
            }
        EXPECT_EQ(wrong, 0) << "pixels that are neither the picture at its own size nor black";
        // Unloaded first: destroyed with its pane, the preview ends the program, as it must in the saver.
        preview.unload();
        Pump(50);
        DestroyWindow(pane);
    }
}

} // namespace
