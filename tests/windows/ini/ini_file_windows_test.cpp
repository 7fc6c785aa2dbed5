// File-level behaviour only Windows shows: sharing modes and read-only files.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "common/ini/IniFile.h"
#include "tests/windows/ini/PlatformProfile.h"

namespace wavorin::ini::oracle {
namespace {

class IniFileWindows : public testing::Test {
protected:
    int EntriesInFolder() const
    {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}));
    }

    ScratchFolder folder_;
};

TEST_F(IniFileWindows, LockedFileReadsAsMissingAndIsNotReplaced)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    const HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadString(file, "S", "k"), "");
    EXPECT_EQ(ReadInt(file, "S", "k", 7), 7);
    EXPECT_FALSE(WriteString(file, "S", "k", "2"));
    CloseHandle(lock);
    EXPECT_EQ(BytesOf(file), "[S]\r\nk=1\r\n");
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileWindows, ReadOnlyFileIsNotReplaced)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteString(file, "S", "k", "2"));
    EXPECT_EQ(ReadString(file, "S", "k"), "1");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileWindows, MissingFolderFailsLikeThePlatform)
{
    const auto file = folder_.Path() / "missing" / "Wavorin.ini";
    EXPECT_FALSE(WriteString(file, "S", "k", "1"));
    EXPECT_FALSE(PlatformWriteString(file, "S", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

}  // namespace
}  // namespace wavorin::ini::oracle
