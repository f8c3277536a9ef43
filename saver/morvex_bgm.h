#pragma once

#include <cstdint>
#include <string>

// Background music of a run: CD tracks and MP3 files through MCI command strings, WAV files through
// PlaySoundA. Every failure is silent; nothing here shows a message or ends the run.
namespace Morvex_BGM {

// Set by CdTick: the CD watch timer stays enabled only while it is true.
extern bool CdPolling;

const uint32_t ModeReplySize = 255; // reply of "status cdaudio mode"
const uint32_t ReplySize = 512;     // reply of every MciSend command
const uint32_t Mp3ModeSize = 30;    // reply of "status MP3Play mode"
const uint32_t SoundAsyncLoop = 9;  // SND_ASYNC | SND_LOOP

void CdOpen();
void CdTick();
void CdStop();

void Mp3Start();
void Mp3Tick();
bool Mp3IsPlaying();
void Mp3Stop();

void WavStart();
void WavStop();

// Sends command with the 512-character reply buffer; on success the reply becomes the result text.
uint32_t MciSend(const std::string& command);
// The last result text that MciSend took from a successful command.
const std::string& MciResultText();
// The reply text, or "Error:" and the decimal code when the command failed.
std::string MciStatus(const std::string& command);
// "play <device>[ from <from>][ to <to>]" through MciSend; gives back the code.
uint32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

} // namespace Morvex_BGM
