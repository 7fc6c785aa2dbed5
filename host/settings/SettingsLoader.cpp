#include "host/settings/SettingsLoader.h"

#include <charconv>
#include <cmath>

#include "common/ini/IniNames.h"

namespace wavorin::settings {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Digits with an optional fraction and exponent, nothing else: no "inf", "nan" or hex.
bool IsDecimalNumber(std::string_view text)
{
    std::size_t i = 0, mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

}  // namespace

std::optional<std::int16_t> WholeNumberOf(std::string_view text)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsDecimalNumber(text)) return std::nullopt;

    double magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;

    const double value = std::floor(negative ? -magnitude : magnitude);
    if (value < -32768.0 || value > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::wstring FolderOf(std::wstring_view path)
{
    const std::size_t last = path.find_last_of(L":\\");
    if (last == std::wstring_view::npos) return {};
    std::wstring_view folder = path.substr(0, last + 1);
    if (folder.back() == L'\\') folder.remove_suffix(1);
    return std::wstring(folder);
}

MusicSettings LoadSettings(const SettingsSource& source)
{
    MusicSettings settings;

    if (auto stored = WholeNumberOf(source.ReadIni(ini::kKeyMusicSource))) settings.source = MusicSource(*stored);
    if (auto track = WholeNumberOf(source.ReadIni(ini::kKeyRepeatTrack))) settings.repeatTrack = *track;

    const std::string file = source.ReadIni(ini::kKeyMusicFile);
    if (!file.empty()) {
        settings.file = source.DecodeText(file);
        if (!source.FileExists(settings.file)) settings.file.clear();
    }
    if (settings.file.empty() && settings.source == MusicSource::File) settings.source = MusicSource::None;

    settings.chooserFolder = settings.file.empty() ? source.HostFolder() : FolderOf(settings.file);
    return settings;
}

}  // namespace wavorin::settings
