#pragma once
// The music settings: filled once per start from the settings file, changed only by the
// settings dialog.

#include <cstdint>
#include <string>

namespace wavorin::settings {

// Where the music comes from, stored in the settings file as these numbers. Any other stored
// number is kept as it is and plays nothing.
enum class MusicSource : std::int16_t {
    None = 0,
    AudioCd = 1,
    File = 2,
};

struct MusicSettings {
    MusicSource source = MusicSource::None;
    std::int16_t repeatTrack = 0;  // CD track to repeat, 0 none
    std::wstring file;             // full path of the MP3 or WAV file, or empty
    std::wstring chooserFolder;    // where the file chooser opens; never stored
};

}  // namespace wavorin::settings
