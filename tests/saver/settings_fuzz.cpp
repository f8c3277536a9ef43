// Any three values a settings file can hold through the settings' decisions: no crash, and the music
// settings always consistent with each other.
#include "saver/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The profile functions hand over at most 255 bytes of a value.
std::string nextValue(const uint8_t*& data, const uint8_t* end) {
    const uint8_t* start = data;
    while (data != end && *data != '\n')
        ++data;
    std::string value((const char*)start, data - start);
    if (data != end)
        ++data;
    if (value.size() > 255)
        value.resize(255);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    Morvex_B::SettingsText text;
    text.kind = nextValue(data, end);
    text.repeatTrack = nextValue(data, end);
    text.file = nextValue(data, end);

    using namespace Morvex_B;
    BgmKind = 0;
    BgmRepeatTrack = 0;
    BgmFile.clear();
    BgmFolder.clear();
    ApplySettings(text, "C:\\Saver");
    if (BgmKind == BgmFileMusic && BgmFile.empty())
        std::abort();
    if (BgmFolder.empty() && BgmFile.empty())
        std::abort();
    if (!BgmFile.empty() && BgmFile != text.file)
        std::abort();
    return 0;
}
