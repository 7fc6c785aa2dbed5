#pragma once
// The host's edge to the settings file and the file system.

#include <string>
#include <string_view>

#include "common/contract/ProgramContract.h"
#include "host/settings/SettingsLoader.h"

namespace wavorin::settings {

// The value of a key as the profile functions return it (at most 255 bytes), "" when the
// file, section or key is missing or the file cannot be read.
std::string ReadIni(std::string_view section, std::string_view key, const std::wstring& file);

// Writes a key, creating the file, section or key as needed; the file is replaced as a
// whole, never left half-written, and keeps its encoding (ANSI or UTF-16), attributes and
// access list. False when the write failed (the folder is missing, the file is read-only
// or held by another program beyond a short wait, the text cannot be stored, the folder or
// the file is a link that leads elsewhere or the file has another name elsewhere).
bool WriteIni(std::string_view section, std::string_view key, std::string_view value, const std::wstring& file);

// True when the path names a file that can be opened for reading now (one trailing
// backslash is ignored; folders and devices are not files).
bool FileExists(std::wstring path);

// The settings file as the loader reads it on Windows.
class SettingsFileSource final : public SettingsSource {
public:
    explicit SettingsFileSource(std::wstring file = contract::kSettingsFileW.c_str()) : file_(std::move(file)) {}
    std::string ReadIni(std::string_view key) const override;
    std::wstring DecodeText(std::string_view bytes) const override;
    bool FileExists(const std::wstring& path) const override;
    std::wstring HostFolder() const override;

private:
    std::wstring file_;
};

}  // namespace wavorin::settings
