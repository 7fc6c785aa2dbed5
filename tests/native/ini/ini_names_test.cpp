#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "common/ini/IniNames.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// CP932 to UTF-8 for just the characters the names use: ASCII, half-width katakana
// (A1-DF map in order onto U+FF61-U+FF9F) and the two kanji of "区分".
std::optional<std::string> DecodeNameCp932(std::string_view bytes)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            AppendUtf8(out, b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            AppendUtf8(out, 0xFF61 + (b - 0xA1u));
        } else if (i + 1 < bytes.size()) {
            const unsigned pair = b << 8 | static_cast<unsigned char>(bytes[++i]);
            if (pair == 0x8BE6) AppendUtf8(out, U'\u533A');       // 区
            else if (pair == 0x95AA) AppendUtf8(out, U'\u5206');  // 分
            else return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

TEST(IniNames, DecodeToTheNamesTheFileUses)
{
    EXPECT_EQ(DecodeNameCp932(kSection), "Section");
    EXPECT_EQ(DecodeNameCp932(kKeyBgmKind), "BGM区分");
    EXPECT_EQ(DecodeNameCp932(kKeyBgmRepeat), "BGMﾘﾋﾟｰﾄ");
    EXPECT_EQ(DecodeNameCp932(kKeyBgmFile), "BGMﾌｧｲﾙ");
    EXPECT_EQ(DecodeNameCp932(kKeyWidth), "Width");
    EXPECT_EQ(DecodeNameCp932(kKeyHeight), "Height");
}

TEST(IniNames, AreFoundInAFileWrittenByThePlatform)
{
    const std::string text = "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=1\r\n"
                             "BGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\nWidth=1920\r\nHeight=1080\r\n";
    EXPECT_EQ(GetString(text, kSection, kKeyBgmKind), "2");
    EXPECT_EQ(GetString(text, kSection, kKeyBgmRepeat), "1");
    EXPECT_EQ(GetString(text, kSection, kKeyBgmFile), "C:\\a.mp3");
    EXPECT_EQ(GetInt(text, kSection, kKeyWidth, kDefaultWidth), 1920);
    EXPECT_EQ(GetInt(text, kSection, kKeyHeight, kDefaultHeight), 1080);
}

}  // namespace
}  // namespace wavorin::ini
