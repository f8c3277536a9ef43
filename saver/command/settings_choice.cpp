#include "saver/command/settings_choice.h"

#include "saver/number_text.h"

#include <cmath>

namespace Morvex {

MusicChoice ChoiceFor(int kind) {
    MusicChoice choice;
    if (kind < 0 || kind > 2)
        return choice;
    choice.marked[kind] = true;
    choice.repeatEnabled = kind == 1;
    choice.fileButtonEnabled = kind == 2;
    return choice;
}

std::string FormatTrack(int track) {
    return track == 0 ? std::string() : std::to_string(track);
}

std::vector<std::string> RepeatTrackEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= 30; ++track)
        entries.push_back(FormatTrack(track));
    return entries;
}

int16_t RepeatTrackFromText(const std::string& text) {
    double value = 0;
    if (!Morvex_B::ParseNumber(text, value) || !std::isfinite(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return 0;
    return (int16_t)rounded;
}

int GradientShade(int row, int height) {
    if (height <= 0)
        return 0;
    return (int)std::lround(std::fabs(std::sin(row / (height / 3.142))) * 220.0);
}

void DialogPlace(int screenWidth, int screenHeight, int dialogWidth, int dialogHeight, int& left, int& top) {
    left = (screenWidth - dialogWidth) / 2;
    top = (screenHeight - dialogHeight) / 3;
}

} // namespace Morvex
