#include "image/image.h"

#include "image_files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

// The renderer's start-up path for the desktop picture: a 1920 by 1080 24-bit BMP read, resized to
// 2048 by 1024 and given its full mipmap chain.
static void BM_LoadDesktopBitmap(benchmark::State& state) {
    const int w = 1920, h = 1080;
    std::vector<uint8_t> bgr(size_t(w) * h * 3);
    for (size_t i = 0; i < bgr.size(); i++)
        bgr[i] = uint8_t((i * 2654435761u) >> 24);
    std::string path = writeBytes("benchmark_desktop.bmp", makeBmp(w, h, 24, bgr));
    for (auto _ : state) {
        Image image;
        bool loaded = image.loadImage(path.c_str(), true, 2);
        benchmark::DoNotOptimize(loaded);
        if (!loaded || image.width != 2048 || image.height != 1024 || image.getMipMapCount() != 12)
            state.SkipWithError("the desktop bitmap did not load as 2048 x 1024 with 12 levels");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadDesktopBitmap)->Unit(benchmark::kMillisecond);
