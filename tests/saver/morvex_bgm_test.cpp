#include "saver/morvex_bgm.h"
#include "saver/settings.h"

#include "scripted_mci.h"

#include <gtest/gtest.h>

using namespace Morvex_BGM;
using Strings = std::vector<std::string>;

namespace {

class Music : public ::testing::Test {
protected:
    ScriptedMci device;

    void SetUp() override {
        UseMciSeam(&device);
        Morvex_B::BgmKind = 0;
        Morvex_B::BgmRepeatTrack = 0;
        Morvex_B::BgmFile.clear();
        CdPolling = false;
    }
    void TearDown() override { UseMciSeam(nullptr); }

    // The play commands one CD tick sent.
    Strings tickPlays() {
        device.forget();
        CdTick();
        Strings plays;
        for (const std::string& command : device.commands())
            if (command.compare(0, 5, "play ") == 0)
                plays.push_back(command);
        return plays;
    }
};

} // namespace

TEST_F(Music, MciHelpersBuildTheCommandsAndReportErrors) {
    EXPECT_EQ(MciPlay("cdaudio", "", ""), 0u);
    EXPECT_EQ(MciPlay("cdaudio", "03:00:00:00", ""), 0u);
    MciPlay("cdaudio", "01", "02");
    MciPlay("cdaudio", "", "02");
    EXPECT_EQ(device.commands(), (Strings{"play cdaudio", "play cdaudio from 03:00:00:00",
                                          "play cdaudio from 01 to 02", "play cdaudio to 02"}));
    for (const auto& call : device.calls)
        EXPECT_EQ(call.replySize, ReplySize);

    EXPECT_EQ(MciStatus("status cdaudio number of tracks"), "10");
    EXPECT_EQ(MciStatus("status cdaudio position track 11"), "Error:263");
    // A failed command leaves the last good reply as the result text.
    EXPECT_EQ(MciResultText(), "10");
    EXPECT_EQ(MciStatus("status cdaudio position track 4"), "04:00:00:00");
}

TEST_F(Music, CdOpenAndStopSendTheirCommandsWithoutReplyBuffers) {
    CdOpen();
    CdStop();
    EXPECT_EQ(device.commands(),
              (Strings{"open cdaudio", "set cdaudio time format tmsf", "stop cdaudio", "close cdaudio"}));
    for (const auto& call : device.calls)
        EXPECT_EQ(call.replySize, 0u);
}

TEST_F(Music, RepeatTrackStartsItAndJumpsBackWhenTheNextBegins) {
    Morvex_B::BgmRepeatTrack = 3;
    CdOpen();
    device.forget();
    CdTick();
    EXPECT_TRUE(CdPolling);
    EXPECT_EQ(device.commands(), (Strings{"status cdaudio current track", "status cdaudio number of tracks",
                                          "status cdaudio mode", "status cdaudio position track 3",
                                          "play cdaudio from 03:00:00:00"}));
    EXPECT_EQ(device.calls[2].replySize, ModeReplySize);

    EXPECT_EQ(tickPlays(), Strings{}) << "track 3 playing: nothing to do";
    device.currentTrack = 4;
    EXPECT_EQ(tickPlays(), Strings{"play cdaudio from 03:00:00:00"});
    EXPECT_EQ(device.currentTrack, 3);
    device.cdMode = "stopped"; // the disc ran out while on track 3
    EXPECT_EQ(tickPlays(), Strings{"play cdaudio from 03:00:00:00"});
    EXPECT_TRUE(CdPolling);
}

TEST_F(Music, RepeatTrackBeyondTheDiscSendsErrorPositionsEveryTick) {
    Morvex_B::BgmRepeatTrack = 20;
    for (int tick = 0; tick < 3; tick++) {
        EXPECT_EQ(tickPlays(), Strings{"play cdaudio from Error:263"});
        EXPECT_TRUE(CdPolling) << "the watch goes on";
    }
}

TEST_F(Music, NoRepeatPlaysTheDiscWheneverItStops) {
    EXPECT_EQ(tickPlays(), Strings{"play cdaudio"});
    EXPECT_EQ(tickPlays(), Strings{});
    device.currentTrack = 7;
    EXPECT_EQ(tickPlays(), Strings{});
    device.cdMode = "stopped";
    EXPECT_EQ(tickPlays(), Strings{"play cdaudio"});
    EXPECT_TRUE(CdPolling);
}

TEST_F(Music, NoDiscTurnsTheWatchOffAtTheFirstTick) {
    device.discPresent = false;
    CdOpen();
    device.forget();
    CdTick();
    EXPECT_FALSE(CdPolling);
    EXPECT_EQ(device.commands(), Strings{"status cdaudio current track"});
}

TEST_F(Music, ACurrentTrackThatIsNoNumberTurnsTheWatchOff) {
    Morvex_B::BgmRepeatTrack = 2;
    device.currentTrackText = "unknown";
    EXPECT_EQ(tickPlays(), Strings{});
    EXPECT_FALSE(CdPolling);
    // Playing the disc through never reads the track as a number.
    Morvex_B::BgmRepeatTrack = 0;
    EXPECT_EQ(tickPlays(), Strings{"play cdaudio"});
    EXPECT_TRUE(CdPolling);
}

TEST_F(Music, Mp3OpensQuotedPathAndRestartsWithinOneTick) {
    Morvex_B::BgmFile = "C:\\My Music\\a b.mp3";
    Mp3Start();
    EXPECT_EQ(device.commands(),
              (Strings{"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
    EXPECT_TRUE(Mp3IsPlaying());
    EXPECT_EQ(device.calls.back().replySize, Mp3ModeSize);

    device.forget();
    Mp3Tick();
    EXPECT_EQ(device.commands(), Strings{"status MP3Play mode"});
    device.mp3Mode = "stopped"; // the song ended
    device.forget();
    Mp3Tick();
    EXPECT_EQ(device.commands(), (Strings{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_TRUE(Mp3IsPlaying());
    device.mp3Mode = "paused";
    Mp3Tick();
    EXPECT_EQ(device.mp3Mode, "playing");

    device.forget();
    Mp3Stop();
    EXPECT_EQ(device.commands(), (Strings{"stop MP3Play", "close MP3Play"}));
}

TEST_F(Music, AnMp3ThatCannotBeOpenedPlaysNothingAndTicksFailSilently) {
    device.mp3Exists = false;
    Morvex_B::BgmFile = "C:\\gone.mp3";
    Mp3Start();
    EXPECT_EQ(device.commands(), Strings{"open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play"});
    device.forget();
    Mp3Tick();
    EXPECT_EQ(device.commands(), (Strings{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    EXPECT_FALSE(Mp3IsPlaying());
}

TEST_F(Music, WavLoopsOnlyWithAWaveDevice) {
    Morvex_B::BgmFile = "C:\\Sounds\\loop.wav";
    WavStart();
    WavStop();
    ASSERT_EQ(device.sounds.size(), 2u);
    EXPECT_EQ(device.sounds[0], std::make_pair(std::string("C:\\Sounds\\loop.wav"), 9u));
    EXPECT_EQ(device.sounds[1], std::make_pair(std::string("<null>"), 0u));

    device.forget();
    device.waveDevices = 0;
    WavStart();
    EXPECT_TRUE(device.sounds.empty());
}
