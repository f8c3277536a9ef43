// Demo files of any size and content: load, replay a few frames, never read past the records.
#include "framework/frame_clock.h"
#include "test_app.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "demo_fuzz_" + std::to_string(getpid()) + ".dem";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    TestApp app;
    if (!app.loadDemo(path.c_str()) || app.demoRecordCount != size / sizeof(DemoRecord))
        std::abort();
    app.playing = true; // no log file: the frames are replayed without writing
    frameTime = 0.01f;
    for (int i = 0; i < 5; i++)
        app.controls();
    std::remove(path.c_str());
    return 0;
}
