#include <gtest/gtest.h>

#include <string>

#include "host/controls/ButtonProperties.h"
#include "host/controls/PropertyStore.h"

namespace wavorin::controls {
namespace {

TEST(PropertyStore, KeepsWhatDiffersFromTheDefaultInFirstWriteOrder)
{
    PropertyStore store;
    store.WriteInt("ShadowDepth", 5, 5);
    store.WriteBool("ShowShadow", true, true);
    store.WriteString("Caption", "&OK", "&OK");
    EXPECT_TRUE(store.Entries().empty());
    store.WriteInt("B", 1, 0);
    store.WriteString("Caption", "設定", "&OK");
    store.WriteInt("B", 40000, 0);
    store.WriteBool("Flag", true, false);
    store.WriteInt("Gone", 8, 5);
    store.WriteInt("Gone", 5, 5);  // back to the default: forgotten
    EXPECT_EQ(store.ToText(), "B = 40000\nCaption = \"設定\"\nFlag = True\n");

    EXPECT_EQ(store.ReadInt32("Missing", 17), 17);
    EXPECT_EQ(store.ReadInt32("Caption", 17), 17);
    EXPECT_EQ(store.ReadInt16("B", 5), 5);  // outside 16 bits
    EXPECT_EQ(store.ReadString("B", "x"), "x");
    EXPECT_EQ(store.ReadFont("Caption", InitialButtonFont()), InitialButtonFont());
    EXPECT_EQ(store.ReadString("caption", ""), "設定");  // keys ignore letter case
    EXPECT_EQ(store.ReadInt16("Flag", 5), -1);           // Booleans and integers stand for each other
    EXPECT_TRUE(store.ReadBool("B", false));
}

TEST(PropertyStoreText, WritesOneLinePerPropertyAndReadsItBack)
{
    PropertyStore store;
    store.WriteString("Caption", "Say \"hi\"\r\nthere", "&OK");
    store.WriteBool("Enabled", false, true);
    store.WriteInt("Lowest", -2147483647 - 1, 0);
    store.WriteString("Empty", "", "x");
    store.WriteFont("Font", FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, kFontItalic | kFontUnderline});
    const std::string text = store.ToText();
    EXPECT_EQ(text, "Caption = \"Say \"\"hi\"\"  there\"\nEnabled = False\nLowest = -2147483648\nEmpty = \"\"\n"
                    "Font = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 3}\n");
    EXPECT_EQ(PropertyStore::FromText(text)->ToText(), text);

    const auto read = PropertyStore::FromText("# a comment\r\n\r\n  FillColour=0xE0E0E0  \r\nShowShadow =True\r\nCaption = \"a = b # c\"");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ReadInt32("FillColour", 0), 0xE0E0E0);
    EXPECT_TRUE(read->ReadBool("ShowShadow", false));
    EXPECT_EQ(read->ReadString("Caption", ""), "a = b # c");
}

TEST(PropertyStoreText, RejectsMalformedLinesNamingTheLine)
{
    for (const char* text : {"Caption", "Caption =", "= 5", "9Lives = 1", "Key = 5 6", "Key = \"open", "Key = \"a\" tail",
                             "Key = 2147483648", "Key = -2147483649", "Key = 0x", "Key = --1", "Key = +1", "Key = Truely",
                             "Key = {\"Verdana\", 8.25, 400, 0}", "Key = {\"Verdana\", 0, 400, 0, 0}",
                             "Key = {\"Verdana\", inf, 400, 0, 0}", "Key = {\"Verdana\", 8.25, 400, 0, 0", "Key Name = 1"}) {
        std::string error;
        EXPECT_FALSE(PropertyStore::FromText(std::string("A = 1\n") + text, &error).has_value()) << text;
        EXPECT_EQ(error, "line 2: not a property") << text;
    }
}

TEST(ButtonProperties, AreWrittenInStoredOrderAndReadBackOrDefaulted)
{
    PropertyStore store;
    WriteButtonProperties(store, ButtonProperties{"設定", false, 255, FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, 0}, false});
    EXPECT_EQ(store.ToText(), "Caption = \"設定\"\nEnabled = False\nForeColor = 255\n"
                              "Font = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\nFocusRect = False\n");
    const ButtonProperties back = ReadButtonProperties(store, InitialButtonFont());
    EXPECT_EQ((std::tuple{back.caption, back.enabled, back.foreColor, back.font.face, back.focusRect}),
              (std::tuple{std::string("設定"), false, 255, std::string("ＭＳ Ｐゴシック"), false}));

    const FontInfo current{"Tahoma", 10, 400, 0, 0};
    const ButtonProperties defaults = ReadButtonProperties(PropertyStore{}, current);
    EXPECT_EQ((std::tuple{defaults.caption, defaults.enabled, defaults.foreColor, defaults.font, defaults.focusRect}),
              (std::tuple{std::string("&OK"), true, 0, current, true}));
    PropertyStore fontOnly;
    WriteButtonProperties(fontOnly, ButtonProperties{});
    EXPECT_EQ(fontOnly.Entries().size(), 1u);  // fonts are always stored
}

}  // namespace
}  // namespace wavorin::controls
