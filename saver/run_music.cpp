#include "saver/run_music.h"

#include "saver/settings.h"

namespace Morvex_B {

RunMusic RunMusicFor(int16_t kind, const std::string& file) {
    if (kind == BgmCd)
        return RunMusic::Cd;
    if (kind != BgmFileMusic || file.size() < 3)
        return RunMusic::None;
    std::string ending = file.substr(file.size() - 3);
    for (char& c : ending)
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
    if (ending == "WAV")
        return RunMusic::Wav;
    if (ending == "MP3")
        return RunMusic::Mp3;
    return RunMusic::None;
}

} // namespace Morvex_B
