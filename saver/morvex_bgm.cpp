#include "saver/morvex_bgm.h"

#include "saver/mci_seam.h"
#include "saver/number_text.h"
#include "saver/settings.h"

#include <cctype>
#include <cstring>

namespace Morvex_BGM {

bool CdPolling = false;

namespace {

MciSeam* scriptedSeam = nullptr;
std::string resultText;

// Replies are cleared before every command, so a failed command never leaves an old reply behind.
char replyBuffer[ReplySize];
char modeReplyBuffer[ModeReplySize];
char mp3ModeBuffer[Mp3ModeSize];

uint32_t send(const std::string& command) {
    return CurrentMciSeam().sendString(command.c_str(), nullptr, 0);
}

std::string sendForReply(const char* command, char* buffer, uint32_t size) {
    std::memset(buffer, 0, size);
    CurrentMciSeam().sendString(command, buffer, size);
    return std::string(buffer, strnlen(buffer, size));
}

bool containsError(const std::string& reply) {
    std::string upper = reply;
    for (char& c : upper)
        c = (char)std::toupper((unsigned char)c);
    return upper.find("ERR") != std::string::npos;
}

bool firstSevenAre(const std::string& text, const char* word) {
    return text.compare(0, 7, word) == 0;
}

} // namespace

MciSeam& CurrentMciSeam() {
    return scriptedSeam ? *scriptedSeam : PlatformMciSeam();
}
void UseMciSeam(MciSeam* seam) {
    scriptedSeam = seam;
}

uint32_t MciSend(const std::string& command) {
    std::memset(replyBuffer, 0, sizeof replyBuffer);
    const uint32_t code = CurrentMciSeam().sendString(command.c_str(), replyBuffer, ReplySize);
    if (code == 0)
        resultText.assign(replyBuffer, strnlen(replyBuffer, ReplySize));
    return code;
}

const std::string& MciResultText() {
    return resultText;
}

std::string MciStatus(const std::string& command) {
    const uint32_t code = MciSend(command);
    if (code != 0)
        return "Error:" + std::to_string(code);
    return resultText;
}

uint32_t MciPlay(const std::string& device, const std::string& from, const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty())
        command += " from " + from;
    if (!to.empty())
        command += " to " + to;
    return MciSend(command);
}

void CdOpen() {
    send("open cdaudio");
    send("set cdaudio time format tmsf");
}

void CdTick() {
    CdPolling = true;
    const std::string current = MciStatus("status cdaudio current track");
    if (containsError(current)) {
        CdPolling = false;
        return;
    }
    const std::string count = MciStatus("status cdaudio number of tracks");
    if (containsError(count)) {
        CdPolling = false;
        return;
    }
    const std::string mode = sendForReply("status cdaudio mode", modeReplyBuffer, ModeReplySize).substr(0, 7);
    const bool stopped = mode == "stopped";
    const int repeatTrack = Morvex_B::BgmRepeatTrack;
    if (repeatTrack != 0) {
        double currentTrack;
        if (!Morvex_B::ParseNumber(current, currentTrack)) {
            CdPolling = false;
            return;
        }
        if (currentTrack != repeatTrack || stopped) {
            const std::string start =
                MciStatus("status cdaudio position track " + std::to_string(repeatTrack));
            MciPlay("cdaudio", start, "");
        }
    } else if (stopped) {
        MciPlay("cdaudio", "", "");
    }
}

void CdStop() {
    send("stop cdaudio");
    send("close cdaudio");
}

void Mp3Start() {
    if (send("open \"" + Morvex_B::BgmFile + "\" type MPEGVideo Alias MP3Play") != 0)
        return;
    send("play MP3Play");
}

bool Mp3IsPlaying() {
    return firstSevenAre(sendForReply("status MP3Play mode", mp3ModeBuffer, Mp3ModeSize), "playing");
}

void Mp3Tick() {
    if (Mp3IsPlaying())
        return;
    send("stop MP3Play");
    send("play MP3Play from 0");
}

void Mp3Stop() {
    send("stop MP3Play");
    send("close MP3Play");
}

void WavStart() {
    if ((int32_t)CurrentMciSeam().waveOutDeviceCount() <= 0)
        return;
    CurrentMciSeam().playSound(Morvex_B::BgmFile.c_str(), SoundAsyncLoop);
}

void WavStop() {
    CurrentMciSeam().playSound(nullptr, 0);
}

} // namespace Morvex_BGM
