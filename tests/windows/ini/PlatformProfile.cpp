#include "tests/windows/ini/PlatformProfile.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace wavorin::ini::oracle {

namespace {

// The A functions take the path in the ANSI code page; our scratch paths are ASCII.
std::string AnsiPath(const std::filesystem::path& file) { return file.string(); }

std::wstring FromCp932(std::string_view bytes)
{
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

}  // namespace

std::string PlatformGetString(const std::filesystem::path& file, const std::string& section, const std::string& key)
{
    std::array<char, 256> buffer;
    buffer.fill('#');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), AnsiPath(file).c_str());
    return std::string(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
}

int PlatformGetInt(const std::filesystem::path& file, const std::string& section, const std::string& key,
                   int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, AnsiPath(file).c_str()));
}

std::wstring PlatformGetStringWide(const std::filesystem::path& file, const std::string& section,
                                   const std::string& key)
{
    std::vector<wchar_t> buffer(4096, L'#');
    const DWORD length = GetPrivateProfileStringW(FromCp932(section).c_str(), FromCp932(key).c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return std::wstring(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
}

bool PlatformWriteString(const std::filesystem::path& file, const std::string& section, const std::string& key,
                         const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), AnsiPath(file).c_str()) != FALSE;
}

std::string SavedAs(Saved how, std::string_view cp932)
{
    if (how == Saved::Ansi) return std::string(cp932);
    const bool bigEndian = how == Saved::UnicodeBigEndian;
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : FromCp932(cp932)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

void PutBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

ScratchFolder::ScratchFolder()
{
    path_ = std::filesystem::temp_directory_path() /
            ("wavorin_ini_oracle_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount64()));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);  // let go of cached files
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::filesystem::path ScratchFolder::NewName() { return path_ / ("case" + std::to_string(++files_) + ".ini"); }

std::filesystem::path ScratchFolder::NewFile(std::string_view bytes)
{
    const std::filesystem::path file = NewName();
    PutBytes(file, bytes);
    return file;
}

}  // namespace wavorin::ini::oracle
