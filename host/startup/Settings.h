#pragma once
// The music settings and how they are loaded from the settings file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wavorin::host {

// Host-wide music settings: filled once per start, changed only by the settings dialog.
struct MusicSettings {
    std::int16_t BgmKind = 0;         // 0 none, 1 audio CD, 2 music file; others play nothing
    std::int16_t BgmRepeatTrack = 0;  // CD track to repeat, 0 none
    std::wstring BgmFile;             // full path of the MP3 or WAV file, or empty
    std::wstring BgmFolder;           // where the file chooser opens; never stored
};

// What loading needs from the platform; the Win32 edge implements it, tests script it.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The raw bytes of a key of the settings file's section, "" when missing.
    virtual std::string ReadIni(std::string_view key) const = 0;
    // Bytes of the settings file as text (the system's ANSI code page).
    virtual std::wstring DecodeText(std::string_view bytes) const = 0;
    virtual bool FileExists(const std::wstring& path) const = 0;
    virtual std::wstring HostFolder() const = 0;
};

MusicSettings LoadSettings(const SettingsSource& source);

// A stored number as a 16-bit setting: the text read as a decimal number (blanks around it
// allowed), rounded down. Nothing when the text is not a number or the result does not fit.
std::optional<std::int16_t> WholeNumberOf(std::string_view text);

// The folder part of a path, without a trailing backslash: C:\Music\song.mp3 gives
// C:\Music, C:\song.mp3 and C:song.mp3 give C:, a bare file name gives "".
std::wstring FolderOf(std::wstring_view path);

}  // namespace wavorin::host
