#include "saver/mci_seam.h"

namespace Morvex_BGM {

namespace {

// MCIERR_CANNOT_LOAD_DRIVER: no device of any kind.
const uint32_t NoDriver = 266;

class SilentMci : public MciSeam {
public:
    uint32_t sendString(const char*, char* reply, uint32_t replySize) override {
        if (reply && replySize > 0)
            reply[0] = '\0';
        return NoDriver;
    }
    bool playSound(const char*, uint32_t) override { return false; }
    uint32_t waveOutDeviceCount() override { return 0; }
};

} // namespace

MciSeam& PlatformMciSeam() {
    static SilentMci seam;
    return seam;
}

} // namespace Morvex_BGM
