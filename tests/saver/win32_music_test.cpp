// The music's real multimedia calls on a machine without CD drive or wave output: all fail silently.
#include "saver/mci_seam.h"
#include "saver/morvex_bgm.h"
#include "saver/settings.h"

#include "support/test_data.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Morvex_BGM;

namespace {

// Passes every call on to the platform and notes what reached it and what it answered.
class RecordingMci : public MciSeam {
public:
    struct Call {
        std::string command;
        uint32_t code;
    };
    std::vector<Call> calls;
    int sounds = 0;

    uint32_t sendString(const char* command, char* reply, uint32_t replySize) override {
        const uint32_t code = PlatformMciSeam().sendString(command, reply, replySize);
        calls.push_back(Call{command, code});
        return code;
    }
    bool playSound(const char* sound, uint32_t flags) override {
        sounds++;
        return PlatformMciSeam().playSound(sound, flags);
    }
    uint32_t waveOutDeviceCount() override { return PlatformMciSeam().waveOutDeviceCount(); }
};

} // namespace

TEST(RealMusic, NoCdDeviceEndsTheWatchAtTheFirstTick) {
    RecordingMci mci;
    UseMciSeam(&mci);
    Morvex_B::BgmRepeatTrack = 3;
    CdOpen();
    CdPolling = true;
    CdTick();
    EXPECT_FALSE(CdPolling);
    CdStop();
    UseMciSeam(nullptr);

    ASSERT_EQ(mci.calls.size(), 5u);
    EXPECT_EQ(mci.calls[0].command, "open cdaudio");
    EXPECT_NE(mci.calls[0].code, 0u) << "this machine has a CD device";
    EXPECT_EQ(mci.calls[1].command, "set cdaudio time format tmsf");
    EXPECT_EQ(mci.calls[2].command, "status cdaudio current track");
    EXPECT_NE(mci.calls[2].code, 0u);
    EXPECT_EQ(mci.calls[3].command, "stop cdaudio");
    EXPECT_EQ(mci.calls[4].command, "close cdaudio");
    EXPECT_EQ(MciStatus("status cdaudio current track").compare(0, 6, "Error:"), 0);
}

TEST(RealMusic, AMissingMp3PlaysNothing) {
    RecordingMci mci;
    UseMciSeam(&mci);
    Morvex_B::BgmFile = "C:\\no such folder\\missing song.mp3";
    Mp3Start();
    EXPECT_FALSE(Mp3IsPlaying());
    Mp3Tick();
    Mp3Stop();
    UseMciSeam(nullptr);

    ASSERT_GE(mci.calls.size(), 1u);
    EXPECT_EQ(mci.calls[0].command,
              "open \"C:\\no such folder\\missing song.mp3\" type MPEGVideo Alias MP3Play");
    EXPECT_NE(mci.calls[0].code, 0u);
    for (const auto& call : mci.calls) {
        EXPECT_NE(call.command, "play MP3Play") << "nothing opened, nothing played";
        EXPECT_NE(call.code, 0u) << call.command;
    }
}

TEST(RealMusic, NoWaveDevicePlaysNoWav) {
    const std::string wav = scratchPath("silent.wav");
    Morvex_B::BgmFile = wav;
    if (waveOutGetNumDevs() != 0)
        GTEST_SKIP() << "this machine has wave output";
    RecordingMci mci;
    UseMciSeam(&mci);
    WavStart();
    EXPECT_EQ(mci.sounds, 0);
    WavStop();
    EXPECT_EQ(mci.sounds, 1);
    UseMciSeam(nullptr);
}
