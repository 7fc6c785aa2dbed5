// The settings file on disk: created and updated in its own encoding, sizes read with
// their fallback, and failures that leave the file as it was. Windows' own replacement is
// tried under Wine (tests/windows/ini).

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "common/ini/FileBytes.h"
#include "common/ini/FileEncoding.h"
#include "common/ini/IniFile.h"
#include "common/ini/IniNames.h"
#include "tests/native/support/DiskFillsUp.h"

namespace wavorin::ini {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }
    void Put(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string Bytes() const { return {std::istreambuf_iterator<char>(std::ifstream(file_, std::ios::binary).rdbuf()), {}}; }
    std::ptrdiff_t FileCount() const { return std::distance(fs::directory_iterator(folder_), {}); }
    // The file holds these bytes, alone in its folder: no temporary file was left behind.
    void ExpectFile(const std::string& bytes) const { EXPECT_EQ(std::pair(Bytes(), FileCount()), std::pair(bytes, std::ptrdiff_t{1})); }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("wavorin_ini_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path file_ = folder_ / "Wavorin.ini";
};

TEST_F(IniFileTest, CreatesReadsAndUpdatesTheFile)
{
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "0"));
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), kDefaultWidth);  // zero is no size
    ASSERT_TRUE(WriteString(file_, kSection, kKeyMusicSource, "2"));
    ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "800"));
    ExpectFile("[Section]\r\nWidth=800\r\nBGM\x8B\xE6\x95\xAA=2\r\n");
    EXPECT_EQ(ReadDimension(file_, kSection, kKeyWidth, kDefaultWidth), 800);
    EXPECT_EQ(ReadInt(file_, kSection, kKeyMusicSource, 0), 2);
    // The same value again leaves the file untouched.
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(file_, dayAgo);
    EXPECT_TRUE(WriteString(file_, kSection, kKeyWidth, "800"));
    EXPECT_EQ(fs::last_write_time(file_), dayAgo);
}

TEST_F(IniFileTest, UnicodeFileStaysUnicodeWithItsNamesAsText)
{
    const std::u16string before = u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1\r\nBGMﾌｧｲﾙ=" + std::u16string(300, u'あ');
    for (const FileEncoding encoding : {FileEncoding::Utf16LittleEndian, FileEncoding::Utf16BigEndian}) {
        Put(Utf16FileOf(before, encoding));
        EXPECT_EQ(ReadString(file_, kSection, kKeyMusicSource), "2");
        EXPECT_EQ(ReadString(file_, kSection, kKeyMusicFile).size(), 254u);  // 127 of the 300 あ: whole characters
        ASSERT_TRUE(WriteString(file_, kSection, kKeyWidth, "1920"));
        ASSERT_TRUE(WriteString(file_, kSection, kKeyRepeatTrack, "\x8B\xE6"));  // 区 as a value
        EXPECT_EQ(Bytes(), Utf16FileOf(u"; memo\r\n[Section]\r\nBGM区分=2\r\nWidth=1920\r\nBGMﾌｧｲﾙ=" +
                                                std::u16string(300, u'あ') + u"\r\nBGMﾘﾋﾟｰﾄ=区\r\n", encoding));
    }
}

TEST_F(IniFileTest, FailedWritesLeaveEverythingAsItWas)
{
    Put("[Section]\nWidth=1\n");
    EXPECT_FALSE(WriteString(file_, kSection, "bad\nkey", "1"));
    EXPECT_FALSE(WriteString(folder_ / "missing" / "Wavorin.ini", kSection, kKeyWidth, "1"));
    EXPECT_FALSE(WriteString(folder_, kSection, kKeyWidth, "1"));  // a folder is no settings file
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    ExpectFile("[Section]\nWidth=1\n");
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add);
    fs::resize_file(file_, kMaxFileBytes);  // sparse: cheap to make; the largest file read
    EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 7), 1);
    fs::resize_file(file_, kMaxFileBytes + 1);
    EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 7), 7);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    EXPECT_EQ(fs::file_size(file_), kMaxFileBytes + 1);
}

// A settings file that is a link, or has another name elsewhere, is not written: it would be
// read into a new file of the folder, and its bytes may be another's. Nothing else is left.
TEST_F(IniFileTest, LinkedFilesAreLeftAlone)
{
    const fs::path elsewhere = folder_.string() + "_elsewhere";
    std::ofstream(elsewhere) << "[Section]\nWidth=1\n";
    fs::create_symlink(elsewhere, file_);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    // Refused before any new file is made: its bytes would be open to all meanwhile.
    const auto neverMoved = [](const fs::path&, const fs::path&) { return ADD_FAILURE(), MoveOutcome::Failed; };
    EXPECT_FALSE(ReplaceFileAtomically(file_, "[Section]\n", [] {}, neverMoved));
    EXPECT_TRUE(fs::is_symlink(file_));
    fs::remove(file_);
    fs::create_hard_link(elsewhere, file_);
    EXPECT_FALSE(WriteString(file_, kSection, kKeyWidth, "2"));
    ExpectFile("[Section]\nWidth=1\n");
    EXPECT_EQ(fs::hard_link_count(file_), 2u);
    fs::remove(elsewhere);
}

// A disk that fills up part-way (a file size limit stands in for it): the save fails and
// leaves the old file as it was, and no piece of the new one.
TEST_F(IniFileTest, ADiskThatFillsUpFailsTheSaveAndLeavesTheOldFile)
{
    Put("[Section]\nWidth=1\n");
    const bool saved = testing_support::WhileDiskFillsUpAt(4096, [&] { return ReplaceFileAtomically(file_, std::string(8192, 'x')); });
    EXPECT_FALSE(saved);
    ExpectFile("[Section]\nWidth=1\n");
    // Room for exactly the new file is room enough.
    EXPECT_TRUE(testing_support::WhileDiskFillsUpAt(1, [&] { return ReplaceFileAtomically(file_, "x"); }));
    ExpectFile("x");
}

// As Windows' replace can fail: the old file already removed, the new one not moved in.
MoveOutcome LoseTheOldFile(const fs::path&, const fs::path& target)
{
    fs::remove(target);
    return MoveOutcome::Busy;
}

TEST_F(IniFileTest, NewFileKeptWhereTheOldOneWasLostAndMovedInByTheNextReadOrWrite)
{
    Put("[Section]\nWidth=1\n");
    EXPECT_FALSE(ReplaceFileAtomically(file_, "[Section]\nWidth=2\n", [] {}, LoseTheOldFile));
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(ReadInt(file_, kSection, kKeyWidth, 7), 2);
    ExpectFile("[Section]\nWidth=2\n");

    EXPECT_FALSE(ReplaceFileAtomically(file_, "[Section]\nWidth=3\n", [] {}, LoseTheOldFile));
    EXPECT_TRUE(WriteString(file_, kSection, kKeyHeight, "4"));
    ExpectFile("[Section]\nWidth=3\nHeight=4\n");

    // Where the old file stays, a replacement that cannot be moved in leaves nothing behind. It
    // is named as the uninstaller looks for one: the file's name, a dot, 16 hex digits, ".tmp".
    std::string replacement;
    const auto busy = [&](const fs::path& made, const fs::path&) { return replacement = made.filename().string(), MoveOutcome::Busy; };
    int pauses = 0;
    EXPECT_FALSE(ReplaceFileAtomically(file_, "[Section]\nWidth=5\n", [&] { ++pauses; }, busy));
    EXPECT_EQ(pauses, 4);
    EXPECT_TRUE(std::regex_match(replacement, std::regex(file_.filename().string() + "\\.[0-9a-f]{16}\\.tmp"))) << replacement;
    ExpectFile("[Section]\nWidth=3\nHeight=4\n");
}

}  // namespace
}  // namespace wavorin::ini
