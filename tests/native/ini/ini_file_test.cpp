// The settings file on disk: encodings kept, failures that leave the file as it was, and
// replacements no reader ever sees half done. Windows' own replace is tried under Wine.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "common/ini/IniFile.h"
#include "common/ini/IniNames.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    void Put(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string Bytes() const
    {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The file is alone in its folder: no temporary file was left behind.
    void ExpectAlone() const { EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1); }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("wavorin_ini_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path file_ = folder_ / "Wavorin.ini";
};

TEST_F(IniFileTest, CreatesReadsAndUpdatesTheFile)
{
    EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 5), 5);
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "1920"));
    ASSERT_TRUE(WriteString(file_, kSection, kKeyBgmKind, "2"));
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "800"));
    EXPECT_EQ(Bytes(), "[Section]\r\nWidth=800\r\nBGM\x8B\xE6\x95\xAA=2\r\n");
    EXPECT_EQ(ReadString(file_, kSection, kKeyBgmKind), "2");
    ExpectAlone();
}

TEST_F(IniFileTest, UnicodeFileStaysUnicodeWithItsNamesAsText)
{
    const auto utf16 = [](bool bigEndian, std::u16string_view text) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes.append({bigEndian ? high : low, bigEndian ? low : high});
        }
        return bytes;
    };
    for (const bool bigEndian : {false, true}) {
        Put(utf16(bigEndian, u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1\r\nBGMﾌｧｲﾙ=" + std::u16string(300, u'あ')));
        EXPECT_EQ(ReadString(file_, kSection, kKeyBgmKind), "2");
        EXPECT_EQ(ReadString(file_, kSection, kKeyBgmFile).size(), 254u);  // cut between characters
        ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "1920"));
        ASSERT_TRUE(WriteString(file_, kSection, kKeyBgmRepeat, "\x8B\xE6"));  // 区 as a value
        EXPECT_EQ(Bytes(), utf16(bigEndian, u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1920\r\nBGMﾌｧｲﾙ=" +
                                                std::u16string(300, u'あ') + u"\r\nBGMﾘﾋﾟｰﾄ=区\r\n"));
    }
}

TEST_F(IniFileTest, DimensionsFallBackWhenMissingOrZero)
{
    Put("[Section]\nWidth=0\nHeight=600\n");
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyHeight, kDefaultHeight), 600);
    Put("[Section]\nWidth=wide\n");
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);
    EXPECT_EQ(ReadDimension(folder_ / "none.ini", kSection, kKeyHeight, kDefaultHeight), kDefaultHeight);
}

TEST_F(IniFileTest, UnchangedValueDoesNotRewrite)
{
    Put("[Section]\nWidth=1\n");
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(file_, dayAgo);
    EXPECT_TRUE(WriteString(file_, kSection, kKeyWidth, "1"));
    EXPECT_EQ(fs::last_write_time(file_), dayAgo);
}

TEST_F(IniFileTest, FailedWritesLeaveEverythingAsItWas)
{
    Put("[Section]\nWidth=1\n");
    EXPECT_FALSE(WriteString(file_, kSection, "bad\nkey", "1"));
    EXPECT_FALSE(WriteString(folder_ / "missing" / "Wavorin.ini", kSection, kKeyWidth, "1"));
    EXPECT_FALSE(WriteString(folder_, kSection, kKeyWidth, "1"));  // a folder is no settings file
    EXPECT_EQ(ReadString(folder_, kSection, kKeyWidth), "");
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(Bytes(), "[Section]\nWidth=1\n");
    ExpectAlone();
    fs::resize_file(file_, kMaxFileBytes + 1);  // sparse: cheap to make
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadString(file_, kSection, kKeyWidth), "");
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(fs::file_size(file_), kMaxFileBytes + 1);
}

TEST_F(IniFileTest, ReadersNeverSeeATornOrMissingFile)
{
    const std::string withA = *SetString(*SetString("", kSection, "Filler", std::string(512 * 1024, 'f')), kSection,
                                         kKeyWidth, "a");
    const std::string withB = *SetString(withA, kSection, kKeyWidth, "b");
    Put(withA);
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        for (std::string seen; !done;) torn += (seen = Bytes()) == withA || seen == withB ? 0 : 1;
    });
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(WriteString(file_, kSection, kKeyWidth, i % 2 ? "a" : "b"));
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
    ExpectAlone();
}

}  // namespace
}  // namespace wavorin::ini
