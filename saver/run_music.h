#pragma once

#include <cstdint>
#include <string>

namespace Morvex_B {

// The music a run plays, from the settings' kind and file.
enum class RunMusic { None, Cd, Wav, Mp3 };

// Kind 1 is the CD; kind 2 plays the file by the last three characters of its name, upper-cased ("WAV" or
// "MP3"); any other kind or ending plays nothing.
RunMusic RunMusicFor(int16_t kind, const std::string& file);

} // namespace Morvex_B
