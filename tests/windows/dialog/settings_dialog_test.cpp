// The settings dialog in-process on a real window: what a source shows and enables, any mouse
// button on an option, the banner's frames, the chooser's answer, pictures at 96 and 144 DPI.
// The keyboard, the real chooser and what "設定" stores are driven end to end.

#include "host/dialog/SettingsDialog.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "host/controls/FramePanel.h"
#include "host/win32/Text.h"

namespace wavorin::host::dialog {
namespace {

std::unique_ptr<SettingsDialog> Open(std::int16_t kind, std::int16_t track = 0, int dotsPerInch = 0)
{
    auto dialog = std::make_unique<SettingsDialog>(MusicSettings{kind, track, L"C:\\a.mp3", L"C:\\Music"}, dotsPerInch);
    EXPECT_TRUE(dialog->Create());
    KillTimer(dialog->hwnd(), 1);  // the tests tick the banner themselves
    return dialog;
}

// The control on the music panel at a point of its 96-DPI layout.
HWND PanelControlAt(const SettingsDialog& dialog, int x, int y, int dotsPerInch = 96)
{
    POINT point{MulDiv(x, dotsPerInch, 96), MulDiv(y, dotsPerInch, 96)};
    return ChildWindowFromPointEx(FindWindowExW(dialog.hwnd(), nullptr, controls::kFramePanelClass, nullptr), point,
                                  CWP_ALL);
}

TEST(SettingsDialog, OpensWithTheLoadedSourceSelectedAndItsControlsOn)
{
    const struct {
        std::int16_t kind, track;
        std::optional<int> option;
        bool repeat, file;
        const wchar_t* repeatText;
    } rows[] = {{1, 7, 1, true, false, L"7"}, {2, 0, 2, false, true, L""}, {0, 45, 0, false, false, L"45"},
                {5, 0, {}, false, false, L""}};
    for (const auto& row : rows) {
        auto dialog = Open(row.kind, row.track);
        EXPECT_EQ(dialog->SelectedOption(), row.option) << row.kind;
        EXPECT_EQ(dialog->RepeatEnabled(), row.repeat) << row.kind;
        EXPECT_EQ(dialog->FileEnabled(), row.file) << row.kind;
        EXPECT_EQ(dialog->RepeatText(), row.repeatText) << row.kind;
        EXPECT_EQ(dialog->FileText(), L"C:\\a.mp3");
        EXPECT_EQ(dialog->RepeatListCount(), 31);  // empty, then 1 to 30
    }
}

TEST(SettingsDialog, AnyMouseButtonOnAnOptionGlyphOrLabelChoosesIt)
{
    auto dialog = Open(0);
    const struct {
        POINT at;
        UINT message;
        int kind;
    } rows[] = {{{50, 95}, WM_RBUTTONDOWN, 2}, {{32, 56}, WM_LBUTTONDOWN, 1}, {{48, 76}, WM_MBUTTONDOWN, 0}};
    for (const auto& row : rows) {
        SendMessageW(PanelControlAt(*dialog, row.at.x, row.at.y), row.message, 0, 0);
        EXPECT_EQ(dialog->Settings().BgmKind, row.kind);
        EXPECT_EQ(dialog->SelectedOption(), row.kind);
        EXPECT_EQ(dialog->RepeatEnabled(), row.kind == 1);
        EXPECT_EQ(dialog->FileEnabled(), row.kind == 2);
    }
}

TEST(SettingsDialog, BannerShowsEachStepInItsBox)
{
    auto dialog = Open(0);
    const struct {
        int ticks, left, right;
    } rows[] = {{0, 0, 0}, {24, 24, 0}, {1, 24, 1}, {24, 24, 24}, {1, 1, 24}};  // ticks since the row before
    for (const auto& row : rows) {
        for (int i = 0; i < row.ticks; ++i) SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);
        EXPECT_EQ(std::pair(dialog->BannerFrame(0), dialog->BannerFrame(1)), std::pair(row.left, row.right));
    }
}

TEST(SettingsDialog, ChosenFileIsShownAndItsFolderKeptUnlessCancelledOrNotStorable)
{
    auto dialog = Open(2);
    std::wstring folderAsked;
    int refused = 0;
    dialog->refusePath = [&](HWND) { ++refused; };
    for (const auto& [chosen, refusals] : {std::pair{ChooserResult{1, L"D:\\Songs\\loop.wav"}, 0},
                                           {ChooserResult{0, std::nullopt}, 0},
                                           {ChooserResult{1, L"C:\\없는 폴더\\노래.mp3"}, 1}}) {
        dialog->chooseFile = [&](HWND, const std::wstring& folder) { folderAsked = folder; return chosen; };
        dialog->ChooseFile();
        EXPECT_EQ(dialog->FileText(), L"D:\\Songs\\loop.wav");
        EXPECT_EQ(dialog->Settings().BgmFile, L"D:\\Songs\\loop.wav");
        EXPECT_EQ(dialog->Settings().BgmFolder, L"D:\\Songs");
        EXPECT_EQ(refused, refusals);
    }
    EXPECT_EQ(folderAsked, L"D:\\Songs");
}

// The extent of what a window shows apart from the dialog's grey, as GDI reads it back.
SIZE DrawnExtent(HWND window)
{
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const win32::WindowDc dc(window);
    LONG left = LONG_MAX, top = LONG_MAX, right = -1, bottom = -1;
    for (LONG y = 0; y < client.bottom; ++y) {
        for (LONG x = 0; x < client.right; ++x) {
            if (GetPixel(dc.get(), x, y) == RGB(224, 224, 224)) continue;
            left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? SIZE{0, 0} : SIZE{right - left + 1, bottom - top + 1};
}

// The option glyphs, the banner and the window grow with the display scale.
TEST(SettingsDialog, PicturesAndWindowFillTheirPlacesAtAnyScale)
{
    SIZE glyph[2]{}, banner[2]{};
    for (int i = 0; i < 2; ++i) {
        const int dotsPerInch = i == 0 ? 96 : 144;
        auto dialog = Open(1, 0, dotsPerInch);
        SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);  // frame 1 in the left box
        glyph[i] = DrawnExtent(PanelControlAt(*dialog, 32, 56, dotsPerInch));
        banner[i] = DrawnExtent(FindWindowExW(dialog->hwnd(), nullptr, L"Wavorin_BannerBox", nullptr));
        RECT client{}, window{};
        GetClientRect(dialog->hwnd(), &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(MulDiv(522, dotsPerInch, 96), MulDiv(265, dotsPerInch, 96)));
        // Centred across and a third of the free space above.
        GetWindowRect(dialog->hwnd(), &window);
        EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2);
        EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 3);
    }
    EXPECT_GE(glyph[0].cx, 10);
    EXPECT_GE(banner[0].cx, 110);
    EXPECT_GE(banner[0].cy, 45);
    for (const auto& [small, large] : {std::pair{glyph[0], glyph[1]}, std::pair{banner[0], banner[1]}}) {
        EXPECT_NEAR(large.cx, small.cx * 1.5, 2.0) << small.cx;
        EXPECT_NEAR(large.cy, small.cy * 1.5, 2.0) << small.cy;
    }
}

// A path that the code page cannot hold is stored as its short name, which names the file
// when the next start reads it back.
TEST(StorablePath, PathTheCodePageCannotHoldIsStoredAsItsShortName)
{
    const std::wstring folder = L"C:\\vetsu_temp\\음악 폴더", file = folder + L"\\노래.mp3";
    CreateDirectoryW(L"C:\\vetsu_temp", nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    const std::string stored = StorablePath(file);
    EXPECT_EQ(stored.find('?'), std::string::npos) << stored;
    EXPECT_TRUE(FileExists(win32::AnsiToWide(stored))) << stored;
    EXPECT_TRUE(PathIsStorable(file));
    EXPECT_EQ(StorablePath(L"C:\\Music\\曲.mp3"), win32::WideToAnsi(L"C:\\Music\\曲.mp3"));  // kept as it is
    EXPECT_TRUE(PathIsStorable(L"C:\\Music\\曲.mp3"));
    EXPECT_FALSE(PathIsStorable(folder + L"\\없는.mp3"));  // no file, so no short name either
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace wavorin::host::dialog
