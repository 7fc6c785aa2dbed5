#include "common/ini/FileEncoding.h"

#include <cstddef>

namespace wavorin::ini {

namespace {

constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";

unsigned char ByteAt(std::string_view bytes, std::size_t pos) { return static_cast<unsigned char>(bytes[pos]); }

}  // namespace

FileEncoding EncodingOf(std::string_view file)
{
    const std::string_view mark = file.substr(0, 2);
    if (mark == kLittleEndianMark) return FileEncoding::Utf16LittleEndian;
    if (mark == kBigEndianMark) return FileEncoding::Utf16BigEndian;
    return FileEncoding::Ansi;
}

std::u16string Utf16TextOf(std::string_view file, FileEncoding encoding)
{
    const std::string_view body = file.substr(2);
    const std::size_t highFirst = encoding == FileEncoding::Utf16BigEndian ? 1 : 0;
    std::u16string text(body.size() / 2, u'\0');
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        const unsigned high = ByteAt(body, 2 * unit + 1 - highFirst);
        const unsigned low = ByteAt(body, 2 * unit + highFirst);
        text[unit] = static_cast<char16_t>(high << 8 | low);
    }
    return text;
}

std::string Utf16FileOf(std::u16string_view text, FileEncoding encoding)
{
    const bool bigEndian = encoding == FileEncoding::Utf16BigEndian;
    std::string file(bigEndian ? kBigEndianMark : kLittleEndianMark);
    file.reserve(2 + 2 * text.size());
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        file += bigEndian ? high : low;
        file += bigEndian ? low : high;
    }
    return file;
}

}  // namespace wavorin::ini
