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
    void SetUp() override
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("wavorin_ini_" + std::string(test->name()) + "_" +
                                              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder_);
        file_ = folder_ / "Wavorin.ini";
    }

    void TearDown() override
    {
        std::error_code error;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(folder_, error);
    }

    static void Put(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string Bytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    int EntriesInFolder() const { return static_cast<int>(std::distance(fs::directory_iterator(folder_), {})); }

    fs::path folder_;
    fs::path file_;
};

TEST_F(IniFileTest, CreatesReadsAndUpdatesTheFile)
{
    EXPECT_EQ(ReadString(file_, kSection, kKeyWidth), "");
    EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 5), 5);
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "1920"));
    EXPECT_EQ(Bytes(file_), "[Section]\r\nWidth=1920\r\n");
    ASSERT_TRUE(WriteString(file_, kSection, kKeyBgmKind, "2"));
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "800"));
    EXPECT_EQ(Bytes(file_), "[Section]\r\nWidth=800\r\nBGM\x8B\xE6\x95\xAA=2\r\n");
    EXPECT_EQ(ReadString(file_, kSection, kKeyBgmKind), "2");
    EXPECT_EQ(EntriesInFolder(), 1);  // no temporary file left behind
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
        Put(file_, utf16(bigEndian, u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1\r\n"));
        EXPECT_EQ(ReadString(file_, kSection, kKeyBgmKind), "2");
        ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "1920"));
        ASSERT_TRUE(WriteString(file_, kSection, kKeyBgmRepeat, "\x8B\xE6"));  // 区 as a value
        EXPECT_EQ(Bytes(file_), utf16(bigEndian, u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1920\r\nBGMﾘﾋﾟｰﾄ=区\r\n"));
        EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 0), 1920);
    }
}

TEST_F(IniFileTest, DimensionsFallBackWhenMissingOrZero)
{
    Put(file_, "[Section]\nWidth=0\nHeight=600\n");
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyHeight, kDefaultHeight), 600);
    Put(file_, "[Section]\nWidth=wide\n");
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);
    EXPECT_EQ(ReadDimension(folder_ / "none.ini", kSection, kKeyHeight, kDefaultHeight), kDefaultHeight);
}

TEST_F(IniFileTest, UnchangedValueDoesNotRewrite)
{
    Put(file_, "[Section]\nWidth=1\n");
    fs::last_write_time(file_, fs::file_time_type::clock::now() - std::chrono::hours(24));
    const auto before = fs::last_write_time(file_);
    EXPECT_TRUE(WriteString(file_, kSection, kKeyWidth, "1"));
    EXPECT_EQ(fs::last_write_time(file_), before);
}

TEST_F(IniFileTest, FailedWritesLeaveEverythingAsItWas)
{
    Put(file_, "[Section]\nWidth=1\n");
    EXPECT_FALSE(WriteString(file_, kSection, "bad\nkey", "1"));
    EXPECT_FALSE(WriteString(folder_ / "missing" / "Wavorin.ini", kSection, kKeyWidth, "1"));
    EXPECT_FALSE(WriteString(folder_, kSection, kKeyWidth, "1"));  // a folder is no settings file
    EXPECT_EQ(ReadString(folder_, kSection, kKeyWidth), "");
    EXPECT_EQ(Bytes(file_), "[Section]\nWidth=1\n");
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileTest, FileTooLargeToReadIsNeverOverwritten)
{
    std::ofstream(file_, std::ios::binary) << "[Section]\nWidth=1\n";
    fs::resize_file(file_, kMaxFileBytes + 1);  // sparse: cheap to make
    EXPECT_EQ(ReadString(file_, kSection, kKeyWidth), "");
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(fs::file_size(file_), kMaxFileBytes + 1);
}

TEST_F(IniFileTest, ReadOnlyFileIsLeftAlone)
{
    Put(file_, "[Section]\nWidth=1\n");
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(Bytes(file_), "[Section]\nWidth=1\n");
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileTest, ReadOnlyFolderFailsCleanly)
{
    Put(file_, "[Section]\nWidth=1\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder_ / "probe")) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(Bytes(file_), "[Section]\nWidth=1\n");
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileTest, ReadersNeverSeeATornOrMissingFile)
{
    const std::string filler(512 * 1024, 'f');
    Put(file_, *SetString("", kSection, "Filler", filler));
    const std::string withA = *SetString(Bytes(file_), kSection, kKeyWidth, "a");
    const std::string withB = *SetString(withA, kSection, kKeyWidth, "b");
    Put(file_, withA);

    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const std::string seen = Bytes(file_);
            if (seen != withA && seen != withB) ++torn;
        }
    });
    for (int i = 0; i < 60; ++i) ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, i % 2 ? "a" : "b"));
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(EntriesInFolder(), 1);
}

}  // namespace
}  // namespace wavorin::ini
