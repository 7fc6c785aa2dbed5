// Where our reader and writer differ from the platform's profile functions (Wine 8) on
// purpose. Each test states what both give, so a change on either side shows up here.

#include <gtest/gtest.h>

#include <string>

#include "common/ini/IniFile.h"
#include "tests/windows/ini/PlatformProfile.h"

namespace wavorin::ini::oracle {
namespace {

class IniDifferences : public testing::Test {
protected:
    std::string Ours(const std::string& text, const std::string& section, const std::string& key)
    {
        return ReadString(folder_.NewFile(text), section, key);
    }
    std::string Platform(const std::string& text, const std::string& section, const std::string& key)
    {
        return PlatformGetString(folder_.NewFile(text), section, key);
    }

    ScratchFolder folder_;
};

TEST_F(IniDifferences, LoneLeadByteKeepsTheLineBreakHere)
{
    // Wine pairs 0x82 with the LF, so "k=2" joins the line before.
    const std::string text = "[S]\nk\x82\nk=2\n";
    EXPECT_EQ(Ours(text, "S", "k"), "2");
    EXPECT_EQ(Platform(text, "S", "k"), "");
}

TEST_F(IniDifferences, ByteOrderMarkMakesWineReadUtf8)
{
    const std::string text = "\xEF\xBB\xBF[S]\r\nk=\x82\xA0\r\nascii=v\r\n";
    EXPECT_EQ(Ours(text, "S", "k"), "\x82\xA0");
    EXPECT_NE(Platform(text, "S", "k"), "\x82\xA0");
    EXPECT_EQ(Ours(text, "S", "ascii"), "v");
    EXPECT_EQ(Platform(text, "S", "ascii"), "v");
}

TEST_F(IniDifferences, QuotedValueOf255CharactersLosesOneInWine)
{
    const std::string inner(255, 'x');
    const std::string text = "[S]\r\nk=\"" + inner + "\"\r\n";
    EXPECT_EQ(Ours(text, "S", "k"), inner);
    EXPECT_EQ(Platform(text, "S", "k"), inner.substr(0, 254));
}

TEST_F(IniDifferences, CutInsideATwoByteCharacter)
{
    // あ would take bytes 255 and 256. We stop before it; Wine reports 255 bytes, the last
    // one never written by it (still the '#' the buffer was filled with).
    const std::string text = "[S]\r\nk=" + std::string(254, 'x') + "\x82\xA0\r\n";
    EXPECT_EQ(Ours(text, "S", "k"), std::string(254, 'x'));
    EXPECT_EQ(Platform(text, "S", "k"), std::string(254, 'x') + "#");
}

TEST_F(IniDifferences, BlankNamesFindNothingHere)
{
    const std::string text = "k=0\r\n=blank\r\n[S]\r\nk=1\r\n";
    for (const char* section : {"", " "}) {
        EXPECT_EQ(Ours(text, section, "k"), "");
        EXPECT_EQ(Platform(text, section, "k"), "0");
    }
    for (const char* key : {"", " "}) {
        EXPECT_EQ(Ours(text, "", key), "");
        EXPECT_EQ(Platform(text, "", key), "blank");
    }
}

TEST_F(IniDifferences, NumbersAreDecimalAndWholeHere)
{
    const std::string text = "[S]\r\nhex=0x10\r\noct=0o17\r\nbin=0b101\r\nlong=000000000000000000000000000000012\r\n";
    const auto file = folder_.NewFile(text);
    const struct {
        const char* key;
        int ours;
        int platform;
    } numbers[] = {{"hex", 0, 16}, {"oct", 0, 15}, {"bin", 0, 5}, {"long", 12, 0}};
    for (const auto& number : numbers) {
        SCOPED_TRACE(number.key);
        EXPECT_EQ(ReadInt(file, "S", number.key, -1), number.ours);
        EXPECT_EQ(PlatformGetInt(file, "S", number.key, -1), number.platform);
    }
}

TEST_F(IniDifferences, WinesRewriteMovesKeysOfAnEmptyHeader)
{
    const std::string text = "[S]\r\na=1\r\n[]\r\nk=2\r\n";
    const auto ourFile = folder_.NewFile(text);
    const auto platformFile = folder_.NewFile(text);
    ASSERT_TRUE(WriteString(ourFile, "S", "a", "3"));
    ASSERT_TRUE(PlatformWriteString(platformFile, "S", "a", "3"));
    EXPECT_EQ(BytesOf(ourFile), "[S]\r\na=3\r\n[]\r\nk=2\r\n");
    EXPECT_EQ(PlatformGetString(ourFile, "S", "k"), "");
    EXPECT_EQ(PlatformGetString(platformFile, "S", "k"), "2");
}

}  // namespace
}  // namespace wavorin::ini::oracle
