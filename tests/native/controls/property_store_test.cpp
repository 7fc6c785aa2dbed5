#include <gtest/gtest.h>

#include <string>

#include "host/controls/ButtonProperties.h"
#include "host/controls/PropertyStore.h"

namespace wavorin::controls {
namespace {

std::vector<std::string> Keys(const PropertyStore& store)
{
    std::vector<std::string> keys;
    for (const Property& entry : store.Entries()) keys.push_back(entry.key);
    return keys;
}

TEST(PropertyStore, ValuesEqualToTheirDefaultAreNotStored)
{
    PropertyStore store;
    store.WriteInt("ShadowDepth", 5, 5);
    store.WriteBool("ShowShadow", true, true);
    store.WriteString("Caption", "&OK", "&OK");
    EXPECT_TRUE(store.Entries().empty());

    store.WriteInt("ShadowDepth", 8, 5);
    EXPECT_EQ(store.ReadInt16("ShadowDepth", 5), 8);
    store.WriteInt("ShadowDepth", 5, 5);  // back to the default: forgotten
    EXPECT_FALSE(store.Contains("ShadowDepth"));
}

TEST(PropertyStore, EntriesKeepTheOrderOfTheirFirstWrite)
{
    PropertyStore store;
    store.WriteInt("B", 1, 0);
    store.WriteInt("A", 2, 0);
    store.WriteInt("B", 3, 0);
    EXPECT_EQ(Keys(store), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(store.ReadInt32("B", 0), 3);
}

TEST(PropertyStore, MissingKeysAndUnfitValuesReadAsTheDefault)
{
    PropertyStore store;
    store.WriteString("Caption", "設定", "&OK");
    store.WriteInt("Big", 40000, 0);
    EXPECT_EQ(store.ReadInt32("Missing", 17), 17);
    EXPECT_EQ(store.ReadInt32("Caption", 17), 17);
    EXPECT_EQ(store.ReadInt16("Big", 5), 5);  // outside 16 bits
    EXPECT_EQ(store.ReadInt32("Big", 5), 40000);
    EXPECT_EQ(store.ReadString("Big", "x"), "x");
    EXPECT_EQ(store.ReadFont("Caption", InitialButtonFont()), InitialButtonFont());
    EXPECT_EQ(store.ReadString("caption", ""), "設定");  // keys ignore letter case
}

TEST(PropertyStore, BooleansAndIntegersStandForEachOther)
{
    PropertyStore store;
    store.WriteBool("Flag", false, true);
    store.WriteInt("Number", 2, 0);
    EXPECT_EQ(store.ReadInt32("Flag", 5), 0);
    EXPECT_TRUE(store.ReadBool("Number", false));
    store.WriteBool("Flag", true, false);
    EXPECT_EQ(store.ReadInt16("Flag", 5), -1);
}

TEST(PropertyStoreText, WritesOneLinePerPropertyInOrder)
{
    PropertyStore store;
    store.WriteString("Caption", "Say \"hi\"", "&OK");
    store.WriteBool("Enabled", false, true);
    store.WriteInt("ForeColor", -255, 0);
    store.WriteFont("Font", FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, kFontItalic | kFontUnderline});
    EXPECT_EQ(store.ToText(),
              "Caption = \"Say \"\"hi\"\"\"\n"
              "Enabled = False\n"
              "ForeColor = -255\n"
              "Font = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 3}\n");
}

TEST(PropertyStoreText, ReadsWhatItWritesBack)
{
    PropertyStore store;
    store.WriteString("Caption", "ｷｬﾝｾﾙ", "&OK");
    store.WriteString("Empty", "", "x");
    store.WriteBool("FocusRect", false, true);
    store.WriteInt("FillColour", 14737632, 0);
    store.WriteInt("Lowest", -2147483647 - 1, 0);
    store.WriteFont("Font", FontInfo{"Verdana", 8.25, 700, 0, kFontStrikeout});
    const auto back = PropertyStore::FromText(store.ToText());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, store);
}

TEST(PropertyStoreText, AcceptsCommentsBlanksHexadecimalAndWindowsLineEnds)
{
    const auto store = PropertyStore::FromText(
        "# the settings dialog's default panel\r\n"
        "\r\n"
        "  FillColour=0xE0E0E0  \r\n"
        "ShowShadow =True\r\n"
        "Caption = \"a = b # c\"");
    ASSERT_TRUE(store.has_value());
    EXPECT_EQ(store->ReadInt32("FillColour", 0), 0xE0E0E0);
    EXPECT_TRUE(store->ReadBool("ShowShadow", false));
    EXPECT_EQ(store->ReadString("Caption", ""), "a = b # c");
}

TEST(PropertyStoreText, LineBreaksInTextAreWrittenAsBlanks)
{
    PropertyStore store;
    store.WriteString("Caption", "two\r\nlines", "");
    const auto back = PropertyStore::FromText(store.ToText());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->ReadString("Caption", ""), "two  lines");
}

TEST(PropertyStoreText, RejectsMalformedLinesNamingTheLine)
{
    for (const char* text : {
             "Caption",
             "Caption =",
             "= 5",
             "9Lives = 1",
             "Key = 5 6",
             "Key = \"open",
             "Key = \"a\" tail",
             "Key = 2147483648",
             "Key = -2147483649",
             "Key = 0x",
             "Key = --1",
             "Key = +1",
             "Key = Truely",
             "Key = {\"Verdana\", 8.25, 400, 0}",
             "Key = {\"Verdana\", 0, 400, 0, 0}",
             "Key = {\"Verdana\", inf, 400, 0, 0}",
             "Key = {\"Verdana\", 8.25, 400, 0, 0",
             "Key Name = 1",
         }) {
        std::string error;
        EXPECT_FALSE(PropertyStore::FromText(std::string("A = 1\n") + text, &error).has_value()) << text;
        EXPECT_EQ(error, "line 2: not a property") << text;
    }
}

TEST(ButtonProperties, AreReadInApplyOrderAndWrittenInStoredOrder)
{
    ButtonProperties properties;
    properties.caption = "設定";
    properties.enabled = false;
    properties.foreColor = 255;
    properties.font = FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, 0};
    properties.focusRect = false;
    PropertyStore store;
    WriteButtonProperties(store, properties);
    EXPECT_EQ(Keys(store), (std::vector<std::string>{"Caption", "Enabled", "ForeColor", "Font", "FocusRect"}));

    const ButtonProperties back = ReadButtonProperties(store, InitialButtonFont());
    EXPECT_EQ(back.caption, "設定");
    EXPECT_FALSE(back.enabled);
    EXPECT_EQ(back.foreColor, 255);
    EXPECT_EQ(back.font, properties.font);
    EXPECT_FALSE(back.focusRect);
}

TEST(ButtonProperties, AnEmptyStoreGivesTheDefaultsAndKeepsTheCurrentFont)
{
    const FontInfo current{"Tahoma", 10, 400, 0, 0};
    const ButtonProperties back = ReadButtonProperties(PropertyStore{}, current);
    EXPECT_EQ(back.caption, "&OK");
    EXPECT_TRUE(back.enabled);
    EXPECT_EQ(back.foreColor, 0);
    EXPECT_EQ(back.font, current);
    EXPECT_TRUE(back.focusRect);

    PropertyStore store;
    WriteButtonProperties(store, ButtonProperties{});
    EXPECT_EQ(Keys(store), std::vector<std::string>{"Font"});  // fonts are always stored
}

}  // namespace
}  // namespace wavorin::controls
