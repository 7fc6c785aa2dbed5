#pragma once

// The platform's profile functions, called the way the screensaver used to call them,
// and a scratch folder for the files they read.

#include <filesystem>
#include <string>
#include <string_view>

namespace wavorin::ini::oracle {

// GetPrivateProfileStringA(section, key, "", buffer, 256, file). The buffer is filled
// with '#' first, so bytes the platform leaves unwritten show up.
std::string PlatformGetString(const std::filesystem::path& file, const std::string& section, const std::string& key);

// GetPrivateProfileIntA(section, key, defaultValue, file).
int PlatformGetInt(const std::filesystem::path& file, const std::string& section, const std::string& key,
                   int defaultValue);

// GetPrivateProfileStringW(section, key, L"", buffer, 4096, file), the names read as
// CP932: the platform's own wide reader, which cuts no value at 255 bytes.
std::wstring PlatformGetStringWide(const std::filesystem::path& file, const std::string& section,
                                   const std::string& key);

// WritePrivateProfileStringA(section, key, value, file).
bool PlatformWriteString(const std::filesystem::path& file, const std::string& section, const std::string& key,
                         const std::string& value);

// A CP932 text as Notepad saves it: "ANSI" as it is, "Unicode" as UTF-16 little-endian
// and "Unicode big endian" as UTF-16 big-endian, each after its byte order mark.
enum class Saved { Ansi, Unicode, UnicodeBigEndian };
std::string SavedAs(Saved how, std::string_view cp932);

void PutBytes(const std::filesystem::path& file, std::string_view bytes);
std::string BytesOf(const std::filesystem::path& file);

// A fresh folder under the temporary folder, removed on destruction. Every file gets a
// name never used before in this process, so the platform's profile cache cannot answer
// from an older file of the same name.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path NewFile(std::string_view bytes);
    std::filesystem::path NewName();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    int files_ = 0;
};

}  // namespace wavorin::ini::oracle
