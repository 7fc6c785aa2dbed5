#include "host/dialog/SettingsDialog.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <memory>
#include <thread>

#include "host/controls/FramePanel.h"
#include "host/win32/SettingsFile.h"
#include "host/win32/Text.h"

namespace wavorin::host::dialog {
namespace {

std::unique_ptr<SettingsDialog> Open(std::int16_t kind, std::int16_t track = 0, std::wstring file = L"",
                                     int dotsPerInch = 0)
{
    MusicSettings settings;
    settings.BgmKind = kind;
    settings.BgmRepeatTrack = track;
    settings.BgmFile = std::move(file);
    settings.BgmFolder = L"C:\\Music";
    auto dialog = std::make_unique<SettingsDialog>(std::move(settings), dotsPerInch);
    EXPECT_TRUE(dialog->Create());
    KillTimer(dialog->hwnd(), 1);  // the tests tick the banner themselves
    return dialog;
}

// The control on the music panel at a point given in the panel's 96-DPI layout.
HWND PanelControlAt(const SettingsDialog& dialog, int x, int y)
{
    const HWND panel = FindWindowExW(dialog.hwnd(), nullptr, controls::kFramePanelClass, nullptr);
    POINT point{x, y};
    return ChildWindowFromPointEx(panel, point, CWP_ALL);
}

// The extent of what a window shows apart from `background`, as GDI reads it back.
SIZE DrawnExtent(HWND window, COLORREF background)
{
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const win32::WindowDc dc(window);
    LONG left = LONG_MAX, top = LONG_MAX, right = -1, bottom = -1;
    for (LONG y = 0; y < client.bottom; ++y) {
        for (LONG x = 0; x < client.right; ++x) {
            if (GetPixel(dc.get(), x, y) == background) continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? SIZE{0, 0} : SIZE{right - left + 1, bottom - top + 1};
}

TEST(SettingsDialog, OpensWithTheLoadedSourceSelected)
{
    auto cd = Open(1, 7);
    EXPECT_EQ(cd->SelectedOption(), 1);
    EXPECT_TRUE(cd->RepeatEnabled());
    EXPECT_FALSE(cd->FileEnabled());
    EXPECT_EQ(cd->RepeatText(), L"7");
    EXPECT_EQ(cd->RepeatListCount(), 31);
    cd.reset();

    auto file = Open(2, 0, L"C:\\Music\\song.mp3");
    EXPECT_EQ(file->SelectedOption(), 2);
    EXPECT_FALSE(file->RepeatEnabled());
    EXPECT_TRUE(file->FileEnabled());
    EXPECT_EQ(file->RepeatText(), L"");
    EXPECT_EQ(file->FileText(), L"C:\\Music\\song.mp3");
    file.reset();

    auto none = Open(0, 45);
    EXPECT_EQ(none->SelectedOption(), 0);
    EXPECT_FALSE(none->RepeatEnabled());
    EXPECT_FALSE(none->FileEnabled());
    EXPECT_EQ(none->RepeatText(), L"45");  // beyond the list, still shown
    none.reset();

    auto stray = Open(5);
    EXPECT_FALSE(stray->SelectedOption().has_value());
    EXPECT_FALSE(stray->RepeatEnabled());
    EXPECT_FALSE(stray->FileEnabled());
}

TEST(SettingsDialog, AnyMouseButtonOnAnOptionGlyphOrLabelChoosesIt)
{
    auto dialog = Open(0);
    SendMessageW(PanelControlAt(*dialog, 50, 95), WM_RBUTTONDOWN, MK_RBUTTON, 0);  // "MP3、WAV"
    EXPECT_EQ(dialog->Settings().BgmKind, 2);
    EXPECT_EQ(dialog->SelectedOption(), 2);
    EXPECT_TRUE(dialog->FileEnabled());
    EXPECT_FALSE(dialog->RepeatEnabled());

    SendMessageW(PanelControlAt(*dialog, 32, 56), WM_LBUTTONDOWN, MK_LBUTTON, 0);  // the CD glyph
    EXPECT_EQ(dialog->Settings().BgmKind, 1);
    EXPECT_TRUE(dialog->RepeatEnabled());
    EXPECT_FALSE(dialog->FileEnabled());

    SendMessageW(PanelControlAt(*dialog, 48, 76), WM_MBUTTONDOWN, MK_MBUTTON, 0);  // "なし"
    EXPECT_EQ(dialog->Settings().BgmKind, 0);
    EXPECT_EQ(dialog->SelectedOption(), 0);
    EXPECT_FALSE(dialog->RepeatEnabled() || dialog->FileEnabled());

    // The options take no keyboard focus.
    SendMessageW(PanelControlAt(*dialog, 50, 95), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    const HWND focus = GetFocus();
    EXPECT_NE(focus, PanelControlAt(*dialog, 50, 95));
    EXPECT_NE(focus, PanelControlAt(*dialog, 32, 96));
}

TEST(SettingsDialog, BannerRunsLeftThenRightThenPauses)
{
    auto dialog = Open(0);
    auto tick = [&](int times) {
        for (int i = 0; i < times; ++i) SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);
    };
    EXPECT_EQ(dialog->BannerFrame(0), 0);  // empty before its first turn
    tick(24);
    EXPECT_EQ(dialog->BannerFrame(0), 24);
    EXPECT_EQ(dialog->BannerFrame(1), 0);
    tick(1);  // 25
    EXPECT_EQ(dialog->BannerFrame(0), 24);
    EXPECT_EQ(dialog->BannerFrame(1), 1);
    tick(23);  // 48
    EXPECT_EQ(dialog->BannerFrame(1), 24);
    tick(1);  // 49: nothing changes, the cycle starts over
    EXPECT_EQ(dialog->AnimationTick(), 0);
    EXPECT_EQ(dialog->BannerFrame(0), 24);
    EXPECT_EQ(dialog->BannerFrame(1), 24);
    tick(1);  // 50
    EXPECT_EQ(dialog->BannerFrame(0), 1);
    EXPECT_EQ(dialog->BannerFrame(1), 24);
}

TEST(SettingsDialog, ChosenFileIsShownAndItsFolderKept)
{
    auto dialog = Open(2);
    std::wstring folderAsked;
    dialog->chooseFile = [&](HWND owner, const std::wstring& folder) {
        EXPECT_EQ(owner, dialog->hwnd());
        folderAsked = folder;
        return ChooserResult{1, L"D:\\Songs\\loop.wav"};
    };
    dialog->ChooseFile();
    EXPECT_EQ(folderAsked, L"C:\\Music");
    EXPECT_EQ(dialog->FileText(), L"D:\\Songs\\loop.wav");
    EXPECT_EQ(dialog->Settings().BgmFile, L"D:\\Songs\\loop.wav");
    EXPECT_EQ(dialog->Settings().BgmFolder, L"D:\\Songs");
    EXPECT_EQ(dialog->LastApiResult(), 1);

    dialog->chooseFile = [](HWND, const std::wstring&) { return ChooserResult{0, std::nullopt}; };
    dialog->ChooseFile();  // cancelled: nothing changes
    EXPECT_EQ(dialog->FileText(), L"D:\\Songs\\loop.wav");
    EXPECT_EQ(dialog->Settings().BgmFolder, L"D:\\Songs");
    EXPECT_EQ(dialog->LastApiResult(), 0);

    // A path that neither the code page nor a short name holds is refused, with a word.
    int refused = 0;
    dialog->refusePath = [&](HWND owner) {
        EXPECT_EQ(owner, dialog->hwnd());
        ++refused;
    };
    dialog->chooseFile = [](HWND, const std::wstring&) { return ChooserResult{1, L"C:\\없는 폴더\\노래.mp3"}; };
    dialog->ChooseFile();
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(dialog->FileText(), L"D:\\Songs\\loop.wav");
    EXPECT_EQ(dialog->Settings().BgmFile, L"D:\\Songs\\loop.wav");
    EXPECT_EQ(dialog->Settings().BgmFolder, L"D:\\Songs");
}

// Read back from the screen: the option glyphs and the banner frames grow with the display
// scale as the places they fill do.
TEST(SettingsDialog, PicturesFillTheirPlacesAtAnyScale)
{
    constexpr COLORREF kGrey = RGB(224, 224, 224);
    const int scales[2] = {96, 144};
    SIZE glyph[2]{};
    SIZE banner[2]{};
    for (int i = 0; i < 2; ++i) {
        auto dialog = Open(1, 0, L"", scales[i]);
        SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);  // frame 1 in the left box
        const HWND cdGlyph = PanelControlAt(*dialog, MulDiv(32, scales[i], 96), MulDiv(56, scales[i], 96));
        glyph[i] = DrawnExtent(cdGlyph, kGrey);
        banner[i] = DrawnExtent(FindWindowExW(dialog->hwnd(), nullptr, L"Wavorin_BannerBox", nullptr), kGrey);
    }
    EXPECT_GE(glyph[0].cx, 10);
    EXPECT_GE(banner[0].cx, 110);
    EXPECT_GE(banner[0].cy, 45);
    for (const auto& [small, large] : {std::pair{glyph[0], glyph[1]}, std::pair{banner[0], banner[1]}}) {
        EXPECT_NEAR(large.cx, small.cx * 1.5, 2.0) << small.cx;
        EXPECT_NEAR(large.cy, small.cy * 1.5, 2.0) << small.cy;
    }
}

TEST(SettingsDialog, PlacedCentredAcrossAndAThirdDown)
{
    auto dialog = Open(0);
    RECT window{};
    GetWindowRect(dialog->hwnd(), &window);
    const Placement expected = PlaceDialog(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                           window.right - window.left, window.bottom - window.top);
    EXPECT_EQ(window.left, expected.left);
    EXPECT_EQ(window.top, expected.top);
    RECT client{};
    GetClientRect(dialog->hwnd(), &client);
    const win32::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    EXPECT_EQ(client.right, MulDiv(522, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(265, dpi, 96));
}

}  // namespace
}  // namespace wavorin::host::dialog

namespace wavorin::host::dialog {
namespace {

TEST(StorablePath, PathTheCodePageCannotHoldIsStoredAsItsShortName)
{
    const std::wstring folder = L"C:\\vetsu_temp\\음악 폴더";
    const std::wstring file = folder + L"\\노래.mp3";
    CreateDirectoryW(L"C:\\vetsu_temp", nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    const std::string stored = StorablePath(file);
    EXPECT_EQ(stored.find('?'), std::string::npos) << stored;
    // Read back as the next start reads it, the stored path still names the file.
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

namespace wavorin::host::dialog {
namespace {

// The real chooser, driven from a second thread: no read-only box, and a name of a file that
// does not exist is refused (the chooser says so and stays open).
TEST(ChooseMusicFile, TakesOnlyAFileThatExists)
{
    std::atomic<bool> readOnlyBoxShown{true};
    std::atomic<bool> refused{false};
    std::thread driver([&] {
        HWND chooser = nullptr;
        for (int i = 0; i < 200 && !(chooser && IsWindowVisible(chooser)); ++i, Sleep(50)) {
            chooser = FindWindowW(L"#32770", L"ﾌｧｲﾙを開く");
        }
        if (!chooser) return;
        readOnlyBoxShown = IsWindowVisible(GetDlgItem(chooser, chx1)) != FALSE;
        for (const int field : {cmb13, edt1}) SetDlgItemTextW(chooser, field, L"C:\\vetsu_temp\\missing.mp3");
        PostMessageW(chooser, WM_COMMAND, IDOK, 0);
        HWND box = nullptr;
        for (int i = 0; i < 200 && IsWindow(chooser) && !box; ++i, Sleep(50)) {
            while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
                if (GetWindow(box, GW_OWNER) == chooser) break;
            }
        }
        refused = box != nullptr;
        if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && box && IsWindow(box); ++i) Sleep(50);
        if (IsWindow(chooser)) PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    CreateDirectoryW(L"C:\\vetsu_temp", nullptr);
    const ChooserResult result = ChooseMusicFile(nullptr, L"C:\\vetsu_temp");
    driver.join();
    EXPECT_FALSE(readOnlyBoxShown);
    EXPECT_TRUE(refused);
    EXPECT_EQ(result.apiResult, 0);
    EXPECT_FALSE(result.path.has_value());
}

}  // namespace
}  // namespace wavorin::host::dialog
