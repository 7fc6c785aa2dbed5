// Code page conversions where Windows' tables are not at hand, through iconv. The
// settings file is meant for a Japanese system, so its ANSI code page is taken as CP932
// too. Conversion goes one character at a time, so a character without a form in the
// target is replaced and the rest still converted, as the Windows tables do.

#include "common/ini/CodePages.h"

#include <iconv.h>

#include <array>
#include <cstddef>

#include "common/ini/Cp932.h"

namespace wavorin::ini {

namespace {

constexpr char kCp932[] = "CP932";
constexpr char kUtf16[] = "UTF-16LE";
constexpr char16_t kNoSuchCharacter = u'\u30FB';  // what code page 932 puts for bytes it cannot read

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Opened()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Opened() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // The bytes of one whole character in the target encoding; false when it has none there.
    bool Convert(std::string_view character, std::string& out)
    {
        std::array<char, 16> buffer{};
        char* in = const_cast<char*>(character.data());  // iconv's interface is not const-correct
        std::size_t inLeft = character.size();
        char* converted = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &in, &inLeft, &converted, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
            return false;
        }
        out.append(buffer.data(), static_cast<std::size_t>(converted - buffer.data()));
        return true;
    }

private:
    iconv_t handle_;
};

void AppendUnit(std::string& utf16, char16_t unit)
{
    utf16 += static_cast<char>(unit & 0xFF);
    utf16 += static_cast<char>(unit >> 8);
}

std::u16string UnitsOf(std::string_view utf16)
{
    std::u16string text(utf16.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i + 1]) << 8 |
                                        static_cast<unsigned char>(utf16[2 * i]));
    }
    return text;
}

std::optional<std::u16string> Cp932AsUtf16(std::string_view bytes)
{
    Converter converter(kUtf16, kCp932);
    if (!converter.Opened()) return std::nullopt;
    std::string utf16;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = cp932::CharLengthAt(bytes, pos);
        if (!converter.Convert(bytes.substr(pos, length), utf16)) AppendUnit(utf16, kNoSuchCharacter);
        pos += length;
    }
    return UnitsOf(utf16);
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<std::u16string> NameAsUtf16(std::string_view cp932) { return Cp932AsUtf16(cp932); }

std::optional<std::u16string> ValueAsUtf16(std::string_view ansi) { return Cp932AsUtf16(ansi); }

std::optional<std::string> ValueAsAnsi(std::u16string_view text)
{
    Converter converter(kCp932, kUtf16);
    if (!converter.Opened()) return std::nullopt;
    std::string bytes;
    for (std::size_t pos = 0; pos < text.size();) {
        const bool pair = IsHighSurrogate(text[pos]) && pos + 1 < text.size() && IsLowSurrogate(text[pos + 1]);
        std::string character;
        AppendUnit(character, text[pos]);
        if (pair) AppendUnit(character, text[pos + 1]);
        if (!converter.Convert(character, bytes)) bytes.append(pair ? 2 : 1, '?');  // one per unit, as Windows does
        pos += pair ? 2 : 1;
    }
    return bytes;
}

}  // namespace wavorin::ini
