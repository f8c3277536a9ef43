#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Morvex {

// What the settings dialog shows for a music kind: which of the three marks is chosen, and which
// controls are enabled. The repeat box belongs to the CD, the "..." button to the file.
struct MusicChoice {
    bool marked[3] = {false, false, false}; // by kind: 0 none, 1 music CD, 2 file
    bool repeatEnabled = false;
    bool fileButtonEnabled = false;
};
// A kind outside 0 to 2 marks nothing and enables nothing.
MusicChoice ChoiceFor(int kind);

// "##": digits without leading zeros, 0 gives empty text.
std::string FormatTrack(int track);
// The repeat box's list: "", "1" .. "30".
std::vector<std::string> RepeatTrackEntries();

// The repeat box's text as the track to store: a number rounded to the nearest (halves to even);
// no number, or one outside 16 bits, stores 0.
int16_t RepeatTrackFromText(const std::string& text);

// One row of the dialog's painted gradient: |sin(y / (height / 3.142))| * 220, rounded.
int GradientShade(int row, int height);

// Where the dialog goes, in twips: centred across, a third of the free height from the top.
void DialogPlace(int screenWidth, int screenHeight, int dialogWidth, int dialogHeight, int& left, int& top);

} // namespace Morvex
