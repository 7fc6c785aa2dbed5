#pragma once
// How the music settings are loaded from the settings file, platform-neutral: the Win32
// edge supplies the file and the file system, tests script them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/settings/MusicSettings.h"

namespace wavorin::settings {

// What loading needs from the platform.
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

}  // namespace wavorin::settings
