#include "saver/mci_seam.h"

#include <windows.h>

#include <mmsystem.h>

namespace Morvex_BGM {

namespace {

class Win32Mci : public MciSeam {
public:
    uint32_t sendString(const char* command, char* reply, uint32_t replySize) override {
        return mciSendStringA(command, reply, replySize, nullptr);
    }
    bool playSound(const char* sound, uint32_t flags) override {
        return PlaySoundA(sound, nullptr, flags) != FALSE;
    }
    uint32_t waveOutDeviceCount() override { return waveOutGetNumDevs(); }
};

} // namespace

MciSeam& PlatformMciSeam() {
    static Win32Mci seam;
    return seam;
}

} // namespace Morvex_BGM
