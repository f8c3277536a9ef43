#include "saver/run_music.h"

#include <gtest/gtest.h>

using namespace Morvex_B;

namespace {

TEST(RunMusic, KindAndFileEndingChooseTheMusic) {
    const struct {
        int16_t kind;
        const char* file;
        RunMusic music;
    } cases[] = {
        {0, "C:\\a.wav", RunMusic::None}, {1, "", RunMusic::Cd},
        {1, "C:\\a.mp3", RunMusic::Cd},   {2, "C:\\a.wav", RunMusic::Wav},
        {2, "C:\\a.Wav", RunMusic::Wav},  {2, "C:\\a.WAV", RunMusic::Wav},
        {2, "C:\\a.mp3", RunMusic::Mp3},  {2, "C:\\a.mP3", RunMusic::Mp3},
        {2, "wav", RunMusic::Wav}, // only the last three characters count
        {2, "C:\\a.ogg", RunMusic::None}, {2, "C:\\a.wav ", RunMusic::None},
        {2, "av", RunMusic::None},        {2, "", RunMusic::None},
        {3, "C:\\a.wav", RunMusic::None}, {-1, "C:\\a.mp3", RunMusic::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.file);
        EXPECT_EQ(RunMusicFor(c.kind, c.file), c.music);
    }
}

} // namespace
