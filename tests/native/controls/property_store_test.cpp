// The stored properties (the store, its text form, the button's and the panel's keys) and
// the button's caption.

#include <gtest/gtest.h>

#include <string>

#include "host/controls/ButtonProperties.h"
#include "host/controls/Caption.h"
#include "host/controls/FramePanelProperties.h"

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
    // Missing keys, other kinds and integers outside 16 bits read as the default; keys ignore
    // letter case; Booleans and integers stand for each other.
    EXPECT_EQ((std::tuple{store.ReadInt32("Missing", 17), store.ReadInt32("Caption", 17), store.ReadInt16("B", 5), store.ReadString("B", "x")}),
              (std::tuple<int, int, std::int16_t, std::string>{17, 17, 5, "x"}));
    EXPECT_EQ(store.ReadFont("Caption", InitialButtonFont()), (FontInfo{"Verdana", 8.25, 400, 0, 0}));  // normal weight, ANSI
    EXPECT_EQ((std::tuple{store.ReadString("caption", ""), store.ReadInt16("Flag", 5), store.ReadBool("B", false)}),
              (std::tuple<std::string, std::int16_t, bool>{"設定", -1, true}));
    EXPECT_EQ((std::tuple{store.ReadString("Daption", "x"), store.ReadString("Captiox", "x")}), (std::tuple{"x", "x"}));
}

TEST(PropertyStoreText, WritesOneLinePerPropertyReadsItBackAndRejectsMalformedLines)
{
    PropertyStore store;
    store.WriteString("Caption", "Say \"hi\"\r\nthere", "&OK");
    store.WriteBool("Enabled", false, true);
    store.WriteInt("Lowest", -2147483647 - 1, 0);
    store.WriteString("Empty_AZaz09", "", "x");  // a key of every kind of character
    store.WriteFont("Font", FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, kFontItalic | kFontUnderline});
    const std::string text = store.ToText();
    EXPECT_EQ(text, "Caption = \"Say \"\"hi\"\"  there\"\nEnabled = False\nLowest = -2147483648\nEmpty_AZaz09 = \"\"\n"
                    "Font = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 3}\n");
    EXPECT_EQ(PropertyStore::FromText(text)->ToText(), text);
    const auto read = PropertyStore::FromText("# a comment\r\n\r\n  FillColour=0xE0E0E0  \r\nShowShadow =True\r\nCaption = \"a = b # c\"");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((std::tuple{read->ReadInt32("FillColour", 0), read->ReadBool("ShowShadow", false), read->ReadString("Caption", "")}),
              (std::tuple<int, bool, std::string>{0xE0E0E0, true, "a = b # c"}));

    for (const char* line : {"Caption", "Caption =", "= 5", "0a = 1", "9Lives = 1", "Key = 5 6", "Key = \"open", "Key = \"a\" tail",
                             "Key = 2147483648", "Key = -2147483649", "Key = 0x", "Key = --1", "Key = +1", "Key = Truely",
                             "Key = {\"Verdana\", 8.25, 400, 0}", "Key = {\"Verdana\", 0, 400, 0, 0}",
                             "Key = {\"Verdana\", inf, 400, 0, 0}", "Key = {\"Verdana\", 8.25, 400, 0, 0", "Key Name = 1"}) {
        std::string error;
        EXPECT_FALSE(PropertyStore::FromText(std::string("A = 1\n") + line, &error).has_value()) << line;
        EXPECT_EQ(error, "line 2: not a property") << line;
    }
}

// Written in their stored order and read back: on a real button under Wine (tests/windows/controls).
TEST(ButtonProperties, MissingOnesReadAsTheDefaultsAndTheFontIsAlwaysStored)
{
    const FontInfo current{"Tahoma", 10, 400, 0, 0};
    const ButtonProperties defaults = ReadButtonProperties(PropertyStore{}, current);
    EXPECT_EQ((std::tuple{defaults.caption, defaults.enabled, defaults.foreColor, defaults.font, defaults.focusRect}),
              (std::tuple{std::string("&OK"), true, 0, current, true}));
    PropertyStore store;  // the font always stored, the rest only when it differs from the default
    WriteButtonProperties(store, ButtonProperties{.caption = "x", .focusRect = false});
    const ButtonProperties read = ReadButtonProperties(store, current);
    EXPECT_EQ(std::tuple(store.Entries().size(), read.caption, read.focusRect), std::tuple(std::size_t{3}, "x", false));
}

TEST(Caption, TheAccessKeyFollowsTheFirstSingleAmpersandAndNewButtonsTakeTheFirstFreeCaption)
{
    const std::pair<const wchar_t*, wchar_t> kKeys[] = {
        {L"&OK", L'o'}, {L"Save &As", L'a'}, {L"&a&b", L'a'}, {L"R&&D &Files", L'f'}, {L"&&&Next", L'n'}, {L"R&&D", 0},
        {L"", 0}, {L"Done&", 0}, {L"&", 0}, {L"&Z", L'z'}, {L"ﾌｧｲﾙ(&Ｆ)", L'ｆ'}, {L"&Ａ", L'ａ'}, {L"&Ｚ", L'ｚ'},
        {L"x&Àb", L'à'}, {L"x&Þb", L'þ'}, {L"x&×b", L'×'}, {L"x&[b", L'['},
    };
    for (auto [caption, key] : kKeys) EXPECT_EQ(AccessKeyOf(caption), key) << caption;
    // "&OK", "&Cancel", "&Apply" (compared case-sensitively), then the button's own name.
    EXPECT_EQ((std::vector{InitialCaption({}, L"b"), InitialCaption({L"&OK"}, L"b"), InitialCaption({L"&OK", L"&Cancel"}, L"b"),
                           InitialCaption({L"&Cancel", L"&Apply", L"&OK"}, L"b4"), InitialCaption({L"&Cancel", L"&Ok", L"&OK2", L"x&OK"}, L"b")}),
              (std::vector<std::wstring>{L"&OK", L"&Cancel", L"&Apply", L"b4", L"&OK"}));
}

constexpr Colour kDialogGrey = Rgb(224, 224, 224);

TEST(FramePanelProperties, DefaultsFollowTheContainerAndStoreNothing)
{
    PropertyStore store;
    WriteFramePanel(store, DefaultFramePanel(kDialogGrey), kDialogGrey);
    EXPECT_TRUE(store.Entries().empty());
    EXPECT_EQ(ReadFramePanel(store, Rgb(1, 2, 3)), (FramePanelProperties{kSquareFrame, 50, true, 5, Rgb(1, 2, 3), Rgb(1, 2, 3), 0, 0, 10}));
    // The depths' ranges show where they are read back (below); the opacity is held only by its setter.
    for (auto [value, held] : {std::pair{-5, 0}, {150, 100}, {37, 37}}) EXPECT_EQ(ClampShadowOpacity(value), held) << value;
    FramePanelProperties panel = DefaultFramePanel(kDialogGrey);
    panel.backColour = Rgb(9, 9, 9);
    EXPECT_EQ(FrameBackground(panel, Rgb(1, 1, 1)), Rgb(1, 1, 1));  // the container's, unless chosen
    panel.backColourIs = -1;
    EXPECT_EQ(FrameBackground(panel, Rgb(1, 1, 1)), Rgb(9, 9, 9));
}

TEST(FramePanelProperties, AreWrittenInTheirOrderAndReadBackWithOnlyTheDepthsHeldToTheSettersRanges)
{
    const FramePanelProperties panel{kRoundedFrame, 80, false, 9, Rgb(255, 255, 255), Rgb(1, 2, 3), 1, Rgb(0, 0, 128), 20};
    PropertyStore store;
    WriteFramePanel(store, panel, kDialogGrey);
    std::string keys;
    for (const Property& entry : store.Entries()) keys += entry.key + " ";
    EXPECT_EQ(keys, "FrameStyle ShadowOpacity ShowShadow ShadowDepth FillColour BackColour BackColourIs BorderColour CornerDepth ");
    EXPECT_EQ(ReadFramePanel(store, kDialogGrey), panel);
    // {stored text, style, opacity, shadow depth, corner depth}
    for (auto [text, style, opacity, shadow, corner] : {std::tuple{"ShadowOpacity = 150\nCornerDepth = 45\nShadowDepth = 45\nFrameStyle = 7", 7, 150, 45, 45},
             {"ShadowDepth = 0", 1, 50, 2, 10}, {"ShadowDepth = 32767\nCornerDepth = 32767", 1, 50, 50, 50}, {"CornerDepth = -32768", 1, 50, 5, 0}}) {
        const FramePanelProperties read = ReadFramePanel(PropertyStore::FromText(text).value(), kDialogGrey);
        EXPECT_EQ((std::tuple{read.frameStyle, read.shadowOpacity, read.shadowDepth, read.cornerDepth}),
                  (std::tuple<std::int32_t, std::int16_t, std::int16_t, std::int16_t>{style, opacity, shadow, corner})) << text;
    }
}

}  // namespace
}  // namespace wavorin::controls
