#pragma once

#include <cstdint>

namespace Morvex_BGM {

// The three multimedia calls the music makes, behind one seam so that tests can script the device.
class MciSeam {
public:
    virtual ~MciSeam() = default;
    // mciSendStringA with no callback window; reply may be null (then replySize is 0). 0 means success.
    virtual uint32_t sendString(const char* command, char* reply, uint32_t replySize) = 0;
    // PlaySoundA with no module handle; a null sound stops what PlaySoundA plays.
    virtual bool playSound(const char* sound, uint32_t flags) = 0;
    // waveOutGetNumDevs.
    virtual uint32_t waveOutDeviceCount() = 0;
};

// The platform's calls: the real ones on Windows; elsewhere a machine without any device.
MciSeam& PlatformMciSeam();

// The seam the music uses (the platform's until a test puts its own in; null puts the platform's back).
MciSeam& CurrentMciSeam();
void UseMciSeam(MciSeam* seam);

} // namespace Morvex_BGM
