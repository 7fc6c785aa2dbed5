#include "host/settings/SettingsFile.h"

#include <windows.h>

#include <filesystem>

#include "common/ini/IniFile.h"
#include "common/ini/IniNames.h"
#include "host/settings/Program.h"
#include "host/win32/Handles.h"
#include "host/win32/Text.h"

namespace wavorin::settings {

std::string ReadIni(std::string_view section, std::string_view key, const std::wstring& file)
{
    return ini::ReadString(std::filesystem::path(file), section, key);
}

bool WriteIni(std::string_view section, std::string_view key, std::string_view value, const std::wstring& file)
{
    return ini::WriteString(std::filesystem::path(file), section, key, value);
}

bool FileExists(std::wstring path)
{
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    if (path.empty()) return false;
    const win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    // A folder does not open this way; a device (CON, a pipe) opens but is not a file.
    return file && GetFileType(file.get()) == FILE_TYPE_DISK;
}

std::string SettingsFileSource::ReadIni(std::string_view key) const
{
    return settings::ReadIni(ini::kSection, key, file_);
}

std::wstring SettingsFileSource::DecodeText(std::string_view bytes) const { return win32::AnsiToWide(bytes); }

bool SettingsFileSource::FileExists(const std::wstring& path) const { return settings::FileExists(path); }

std::wstring SettingsFileSource::HostFolder() const { return ProgramFolder(); }

}  // namespace wavorin::settings
