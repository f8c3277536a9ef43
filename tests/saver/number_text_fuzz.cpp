// Any text through the settings' number reading: no crash, and a value only within 16 bits.
#include "saver/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text((const char*)data, size);
    int16_t value = 0;
    if (Morvex_B::ParseIniNumber(text, value) && Morvex_B::FormatIniNumber(value).empty())
        std::abort();
    double number;
    Morvex_B::ParseNumber(text, number);
    return 0;
}
