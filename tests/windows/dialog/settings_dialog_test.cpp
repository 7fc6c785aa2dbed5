// The settings dialog in-process on a real window: what a source shows and enables, any mouse
// button on an option, the banner's frames, the chooser's answer, pictures at 96 and 144 DPI,
// and a save that fails. The keyboard, the real chooser and what "設定" stores are driven end to end.

#include "host/dialog/SettingsDialog.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "host/controls/FramePanel.h"
#include "common/contract/ProgramContract.h"
#include "host/settings/Program.h"
#include "host/settings/SettingsFile.h"
#include "host/win32/Text.h"

namespace wavorin::dialog {
namespace {

std::unique_ptr<SettingsDialog> Open(std::int16_t kind, std::int16_t track = 0, int dotsPerInch = 0)
{
    auto dialog = std::make_unique<SettingsDialog>(
        settings::MusicSettings{settings::MusicSource(kind), track, L"C:\\a.mp3", L"C:\\Music"}, dotsPerInch);
    EXPECT_TRUE(dialog->Create());
    KillTimer(dialog->hwnd(), 1);  // the tests tick the banner themselves
    return dialog;
}

HWND MusicPanel(const SettingsDialog& dialog) { return FindWindowExW(dialog.hwnd(), nullptr, controls::kFramePanelClass, nullptr); }

// The control on the music panel at a point of its 96-DPI layout.
HWND PanelControlAt(const SettingsDialog& dialog, int x, int y, int dotsPerInch = 96)
{
    return ChildWindowFromPointEx(MusicPanel(dialog), POINT{MulDiv(x, dotsPerInch, 96), MulDiv(y, dotsPerInch, 96)}, CWP_ALL);
}

TEST(SettingsDialog, OpensWithTheLoadedSourceSelectedAndItsControlsOn)
{
    using Shown = std::tuple<std::optional<int>, bool, bool, std::wstring>;  // option, repeat box on, "..." on, repeat text
    const std::tuple<std::int16_t, std::int16_t, Shown> rows[] = {
        {1, 7, {1, true, false, L"7"}}, {2, 0, {2, false, true, L""}}, {0, 45, {0, false, false, L"45"}}, {5, 0, {{}, false, false, L""}}};
    for (const auto& [kind, track, shown] : rows) {
        auto dialog = Open(kind, track);
        EXPECT_EQ(Shown(dialog->SelectedOption(), dialog->RepeatEnabled(), dialog->FileEnabled(), dialog->RepeatText()), shown);
        EXPECT_EQ(dialog->FileText(), L"C:\\a.mp3");
        EXPECT_EQ(dialog->RepeatListCount(), 31);  // empty, then 1 to 30
    }
}

// The left button on "音楽CD" is clicked end to end; the glyphs and the other buttons here.
// As with an option button, the click takes the keyboard to the option's label (at x = 50).
TEST(SettingsDialog, AnyMouseButtonOnAnOptionGlyphOrLabelChoosesIt)
{
    auto dialog = Open(0);
    for (const auto& [x, y, message, kind] : {std::tuple{50, 95, WM_RBUTTONDOWN, 2}, {32, 56, WM_LBUTTONDOWN, 1}, {48, 76, WM_MBUTTONDOWN, 0}}) {
        SendMessageW(PanelControlAt(*dialog, x, y), UINT(message), 0, 0);
        EXPECT_EQ(std::tuple(int(dialog->Settings().source), dialog->SelectedOption(), GetFocus()),
                  std::tuple(kind, std::optional(kind), PanelControlAt(*dialog, 50, y)));
    }
    for (const WPARAM key : {WPARAM('A'), WPARAM(VK_HOME), WPARAM(VK_NEXT)}) {  // keys other than the arrows choose nothing
        SendMessageW(PanelControlAt(*dialog, 48, 76), WM_KEYDOWN, key, 0);
        EXPECT_EQ(dialog->SelectedOption(), std::optional(0)) << key;
    }
}

// What the dialog tells screen readers as it happens: the options whose state changed, and the
// option the keyboard moved to.
std::vector<std::pair<DWORD, HWND>> announced;

TEST(SettingsDialog, ChoicesAndFocusAreAnnounced)
{
    auto dialog = Open(0);
    const HWND none = PanelControlAt(*dialog, 48, 76), file = PanelControlAt(*dialog, 50, 95);
    const HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.emplace_back(event, window);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hook);
    SendMessageW(none, WM_KEYDOWN, VK_DOWN, 0);  // "なし" to "MP3、WAV"
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
    UnhookWinEvent(hook);
    for (const auto& expected : {std::pair{DWORD(EVENT_OBJECT_STATECHANGE), none}, {EVENT_OBJECT_STATECHANGE, file}, {EVENT_OBJECT_FOCUS, file}}) {
        EXPECT_NE(std::find(announced.begin(), announced.end(), expected), announced.end()) << expected.first;
    }
}

// A screen reader's default action on an option's caption or glyph chooses it and takes the
// keyboard to its caption, as a click does; a question about a child the object does not have
// is refused with an empty answer.
TEST(SettingsDialog, ScreenReadersChooseAnOptionByItsDefaultAction)
{
    constexpr IID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    auto dialog = Open(1);
    for (const auto& [x, y, kind] : {std::tuple{48, 76, 0}, {32, 96, 2}}) {  // the caption "なし", the glyph of "MP3、WAV"
        IAccessible* object = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(PanelControlAt(*dialog, x, y), OBJID_CLIENT, kAccessibleInterface, reinterpret_cast<void**>(&object)), S_OK);
        VARIANT self{}, role{};
        self.vt = VT_I4, self.lVal = CHILDID_SELF;
        EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
        self.lVal = 7, role.vt = VT_I4, role.lVal = 42;
        EXPECT_EQ(std::pair(object->get_accRole(self, &role), role.vt), std::pair(E_INVALIDARG, VARTYPE(VT_EMPTY)));
        object->Release();
        EXPECT_EQ(std::pair(dialog->SelectedOption(), GetFocus()), std::pair(std::optional(kind), PanelControlAt(*dialog, 50, y)));
    }
    CoUninitialize();
}

// The face the dialog asks for is one the system has: the platform draws in that face, not a
// stand-in it picked (a Japanese face that is not installed comes back as another).
TEST(SettingsDialog, TextIsDrawnInTheFaceItAsksFor)
{
    auto dialog = Open(1);
    const HWND repeatBox = FindWindowExW(MusicPanel(*dialog), nullptr, L"COMBOBOX", nullptr);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(repeatBox, WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    ASSERT_TRUE(GetObjectW(font, sizeof asked, &asked));
    const win32::WindowDc dc(repeatBox);
    const win32::SelectedObject selected(dc.get(), font);
    wchar_t used[LF_FACESIZE]{};
    GetTextFaceW(dc.get(), LF_FACESIZE, used);
    EXPECT_STRNE(asked.lfFaceName, L"");
    EXPECT_STREQ(used, asked.lfFaceName);
}

TEST(SettingsDialog, BannerShowsEachStepInItsBox)
{
    auto dialog = Open(0);
    // Ticks since the row before, then the left and the right box's frame.
    for (const auto& [ticks, left, right] : {std::tuple{0, 0, 0}, {24, 24, 0}, {1, 24, 1}, {24, 24, 24}, {1, 1, 24}}) {
        for (int i = 0; i < ticks; ++i) SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);
        EXPECT_EQ(std::pair(dialog->BannerFrame(0), dialog->BannerFrame(1)), std::pair(left, right));
    }
}

// A click on either banner box opens the home page with the program the system has for https
// links: here one that notes the address it is given.
TEST(SettingsDialog, BannerClickOpensTheHomePage)
{
    const std::wstring noted = L"C:\\vetsu_opened.txt", command = L"cmd.exe /c echo %1>" + noted;
    const wchar_t* const kHandler = L"https\\shell\\open\\command";
    std::wstring system(1024, L'\0');
    DWORD size = DWORD(system.size() * 2);
    ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, kHandler, nullptr, RRF_RT_REG_SZ, nullptr, system.data(), &size), ERROR_SUCCESS);
    const auto handle = [&](const std::wstring& with) { RegSetKeyValueW(HKEY_CLASSES_ROOT, kHandler, nullptr, REG_SZ, with.c_str(), DWORD(with.size() * 2 + 2)); };
    handle(command);
    auto dialog = Open(0);
    int boxes = 0;
    for (HWND box = nullptr; (box = FindWindowExW(dialog->hwnd(), box, L"Wavorin_BannerBox", nullptr)); ++boxes) {
        DeleteFileW(noted.c_str());
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        std::string address;
        for (int look = 0; look < 500 && address.empty(); ++look, Sleep(20)) std::getline(std::ifstream(noted.c_str()), address);
        EXPECT_EQ(address.substr(0, address.find_last_not_of("\r ") + 1), "https://wavorin.example/") << boxes;
    }
    EXPECT_EQ(boxes, 2);
    handle(system.c_str());
    DeleteFileW(noted.c_str());
}

// A path that the code page cannot hold, or holds in more bytes than the reader reads back, is
// taken only when the file exists, and stored as its short name, which names the file when the
// next start reads it back.
TEST(SettingsDialog, ChosenFileIsShownAndItsFolderKeptUnlessCancelledOrNotStorable)
{
    const std::wstring korean = L"C:\\vetsu_temp\\음악 폴더";
    // Three folders of 40 characters of two bytes each in code page 932: 263 bytes in all.
    std::wstring deep = L"C:\\vetsu_temp";
    CreateDirectoryW(deep.c_str(), nullptr);
    for (int level = 0; level < 3; ++level) {
        deep += L"\\" + std::wstring(40, L"音楽集"[level]);
        CreateDirectoryW(deep.c_str(), nullptr);
    }
    const std::wstring deepFile = deep + L"\\曲.mp3";
    CreateDirectoryW(korean.c_str(), nullptr);
    for (const std::wstring& file : {korean + L"\\노래.mp3", deepFile}) {
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    auto dialog = Open(2);
    std::wstring folderAsked;
    int refused = 0;
    dialog->refusePath = [&](HWND) { ++refused; };
    const struct {
        std::int32_t apiResult;
        std::wstring chosen, folderAsked, file;  // chosen: nothing on a cancel
        int refused;
    } rows[] = {{1, L"D:\\Songs\\loop.wav", L"C:\\Music", L"D:\\Songs\\loop.wav", 0},
                {0, L"", L"D:\\Songs", L"D:\\Songs\\loop.wav", 0},
                {1, korean + L"\\없는.mp3", L"D:\\Songs", L"D:\\Songs\\loop.wav", 1},
                {1, korean + L"\\노래.mp3", L"D:\\Songs", korean + L"\\노래.mp3", 1},
                {1, deepFile, korean, deepFile, 1}};
    for (const auto& row : rows) {
        const auto path = row.chosen.empty() ? std::nullopt : std::optional(row.chosen);
        dialog->chooseFile = [&](HWND, const std::wstring& folder) { return folderAsked = folder, ChooserResult{row.apiResult, path}; };
        dialog->ChooseFile();
        EXPECT_EQ(std::tuple(folderAsked, dialog->FileText(), dialog->Settings().file, refused),
                  std::tuple(row.folderAsked, row.file, row.file, row.refused));
    }
    for (const std::wstring& file : {korean + L"\\노래.mp3", deepFile}) {
        const std::string stored = StorablePath(file);
        EXPECT_EQ(stored.find('?'), std::string::npos) << stored;
        EXPECT_LE(stored.size(), 255u) << stored;
        EXPECT_TRUE(settings::FileExists(win32::AnsiToWide(stored))) << stored;
    }
    EXPECT_EQ(StorablePath(L"C:\\Music\\曲.mp3"), "C:\\Music\\\x8B\xC8.mp3");  // kept as it is, in code page 932
    // The reader reads back 255 bytes: a path of 255 is stored as it is, one of 256 by its short name.
    for (const std::size_t bytes : {255u, 256u}) {
        const std::wstring file = L"C:\\vetsu_temp\\" + std::wstring(bytes - 18, L'a') + L".mp3";  // 14 bytes, the name, 4 bytes
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        const std::string stored = StorablePath(file);
        EXPECT_EQ(stored == win32::WideToAnsi(file), bytes == 255) << stored;
        EXPECT_TRUE(stored.size() <= 255 && settings::FileExists(win32::AnsiToWide(stored))) << stored;
        DeleteFileW(file.c_str());
    }
    DeleteFileW((korean + L"\\노래.mp3").c_str());
    RemoveDirectoryW(korean.c_str());
    DeleteFileW(deepFile.c_str());
    for (int level = 0; level < 3; ++level, deep.erase(deep.rfind(L'\\'))) RemoveDirectoryW(deep.c_str());
}

// Where a control lies in its parent's client area.
RECT PlaceOf(HWND control, HWND dialog)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// What a window shows apart from the dialog's grey, as GDI reads it back: its extent, and the
// colours at the middle of it and at the middle of its bottom edge.
struct Drawn {
    SIZE extent{};
    COLORREF middle = CLR_INVALID, bottomMiddle = CLR_INVALID;
    POINT corner{};  // the top left of what is drawn
};

Drawn DrawnIn(HWND window)
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
    if (right < 0) return {};
    return {SIZE{right - left + 1, bottom - top + 1}, GetPixel(dc.get(), (left + right) / 2, (top + bottom) / 2),
            GetPixel(dc.get(), (left + right) / 2, bottom), POINT{left, top}};
}

std::vector<COLORREF> Pixels(HWND window)
{
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const win32::WindowDc dc(window);
    std::vector<COLORREF> pixels;
    for (LONG y = 0; y < client.bottom; ++y) {
        for (LONG x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
    }
    return pixels;
}

// The title sits in an etched frame at any scale: a black outline, and a white one a pixel
// right of and below it.
TEST(SettingsDialog, TheTitleSitsInAnEtchedFrame)
{
    for (const int dotsPerInch : {96, 144}) {
        auto dialog = Open(1, 0, dotsPerInch);
        const HWND title = PanelControlAt(*dialog, 24, 20, dotsPerInch);
        RECT client{};
        GetClientRect(title, &client);
        const LONG r = client.right, b = client.bottom;
        const std::vector<COLORREF> shown = Pixels(title);
        for (const auto& [x, y, colour] : {std::tuple{0L, 0L, RGB(0, 0, 0)}, {r / 2, 0L, RGB(0, 0, 0)}, {0L, b / 2, RGB(0, 0, 0)}, {r - 2, b / 2, RGB(0, 0, 0)},
                                           {r / 2, b - 2, RGB(0, 0, 0)}, {1L, 1L, RGB(255, 255, 255)}, {r / 2, 1L, RGB(255, 255, 255)},
                                           {1L, b / 2, RGB(255, 255, 255)}, {r - 1, b / 2, RGB(255, 255, 255)}, {r / 2, b - 1, RGB(255, 255, 255)}}) {
            EXPECT_EQ(shown[std::size_t(y * r + x)], colour) << dotsPerInch << ": " << x << ", " << y;
        }
    }
}

// The focused option and the focused button show their focus cue while the dialog shows
// keyboard cues, and not while it hides them; the option then looks as it does unfocused. A
// control asked to change the cues passes the request up to the dialog, which decides for all.
TEST(SettingsDialog, FocusCuesFollowTheKeyboardCueState)
{
    auto dialog = Open(0);
    const HWND option = PanelControlAt(*dialog, 48, 76);  // "なし"
    const HWND button = FindWindowExW(dialog->hwnd(), nullptr, nullptr, L"設定");
    SetFocus(button);
    const auto unfocusedOption = Pixels(option);
    for (const HWND control : {option, button}) {
        SetFocus(control);
        std::vector<COLORREF> looks[2];
        for (const int action : {UIS_SET, UIS_CLEAR}) {
            SendMessageW(control, WM_CHANGEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
            looks[action == UIS_CLEAR] = Pixels(control);
        }
        EXPECT_NE(looks[0], looks[1]);
        EXPECT_TRUE(control != option || looks[0] == unfocusedOption);
    }
}

// A key that moves the focus, taken from the queue as the dialog's loop takes it, shows the
// keyboard cues from then on; another key leaves them hidden.
TEST(SettingsDialog, KeysThatMoveTheFocusShowItsCue)
{
    auto dialog = Open(0);
    SetFocus(FindWindowExW(dialog->hwnd(), nullptr, nullptr, L"設定"));
    SendMessageW(dialog->hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    for (const auto& [key, hidden] : {std::pair{WPARAM('A'), true}, {WPARAM(VK_TAB), false}}) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
        EXPECT_EQ((SendMessageW(dialog->hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0, hidden) << key;
    }
}

// The option glyphs, the banner and the window grow with the display scale.
TEST(SettingsDialog, PicturesAndWindowFillTheirPlacesAtAnyScale)
{
    Drawn chosen[2]{}, unchosen[2]{}, banner[2]{};
    for (int i = 0; i < 2; ++i) {
        const int dotsPerInch = i == 0 ? 96 : 144;
        auto dialog = Open(1, 0, dotsPerInch);
        const HWND leftBanner = FindWindowExW(dialog->hwnd(), nullptr, L"Wavorin_BannerBox", nullptr);
        EXPECT_EQ(DrawnIn(leftBanner).extent.cx, 0);  // plain grey before its first frame
        SendMessageW(dialog->hwnd(), WM_TIMER, 1, 0);  // frame 1 in the left box
        chosen[i] = DrawnIn(PanelControlAt(*dialog, 32, 56, dotsPerInch));
        unchosen[i] = DrawnIn(PanelControlAt(*dialog, 32, 76, dotsPerInch));
        banner[i] = DrawnIn(leftBanner);
        const auto scaled = [&](int length) { return LONG(MulDiv(length, dotsPerInch, 96)); };
        RECT client{};
        GetClientRect(dialog->hwnd(), &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(scaled(522), scaled(265)));
        // Each control in its place (left, top, width, height at 96 DPI; on the panel or on
        // the dialog): the window found at the place's middle fills exactly that place, but
        // that a one-line label may be wider for its text in the face the system has.
        for (const auto& [onPanel, label, x, y, width, height] : {
                 std::tuple{false, false, 12, 12, 501, 173}, {false, false, 12, 192, 123, 52}, {false, false, 144, 192, 113, 33},
                 {false, false, 260, 192, 113, 33}, {false, false, 384, 192, 123, 52}, {false, true, 172, 232, 165, 13},
                 {true, false, 20, 16, 114, 22}, {true, false, 28, 52, 13, 13}, {true, true, 44, 52, 43, 13}, {true, false, 96, 48, 41, 20},
                 {true, true, 140, 52, 66, 13}, {true, false, 28, 72, 13, 13}, {true, true, 44, 72, 22, 13}, {true, false, 28, 92, 13, 13},
                 {true, true, 44, 92, 60, 13}, {true, false, 24, 112, 45, 25}, {true, false, 72, 112, 397, 33}}) {
            const HWND parent = onPanel ? MusicPanel(*dialog) : dialog->hwnd();
            const HWND control = ChildWindowFromPointEx(parent, POINT{scaled(x + width / 2), scaled(y + height / 2)}, CWP_ALL);
            const RECT place = PlaceOf(control, parent);
            const LONG right = scaled(x) + scaled(width);
            EXPECT_EQ((std::tuple{place.left, place.top, label ? std::min(place.right, right) : place.right, place.bottom}),
                      (std::tuple{scaled(x), scaled(y), right, scaled(y) + scaled(height)})) << x << ", " << y;
            if (label) { EXPECT_GT(DrawnIn(control).extent.cx, 0) << "a label shows its text: " << x << ", " << y; }
        }
        RECT window{};
        GetWindowRect(dialog->hwnd(), &window);
        // Centred across the screen, with twice as much room below it as above.
        const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_NEAR(window.left, screenWidth - window.right, 1);
        EXPECT_NEAR(2 * window.top, screenHeight - window.bottom, 2);
        EXPECT_GT(window.top, 0);
    }
    // A glyph is a 12-pixel picture drawn whole from its box's corner (18 pixels at 150 %).
    for (const auto& [glyph, side] : {std::pair{chosen[0], 12}, {unchosen[0], 12}, {chosen[1], 18}, {unchosen[1], 18}}) {
        EXPECT_EQ(std::tuple(glyph.corner.x, glyph.corner.y, glyph.extent.cx, glyph.extent.cy), std::tuple(0, 0, side, side));
    }
    EXPECT_GE(banner[0].extent.cx, 110);
    EXPECT_GE(banner[0].extent.cy, 45);
    for (const auto& [small, large] : {std::pair{chosen[0], chosen[1]}, {unchosen[0], unchosen[1]}, {banner[0], banner[1]}}) {
        EXPECT_NEAR(large.extent.cx, small.extent.cx * 1.5, 2.0) << small.extent.cx;
        EXPECT_NEAR(large.extent.cy, small.extent.cy * 1.5, 2.0) << small.extent.cy;
    }
    // Each glyph keeps its look as it grows: the chosen one's dot in its middle, both rims whole.
    for (const auto& [small, large] : {std::pair{chosen[0], chosen[1]}, {unchosen[0], unchosen[1]}}) {
        for (const int shift : {0, 8, 16}) {
            EXPECT_NEAR(GetRValue(large.middle >> shift), GetRValue(small.middle >> shift), 24) << shift;
            EXPECT_NEAR(GetRValue(large.bottomMiddle >> shift), GetRValue(small.bottomMiddle >> shift), 24) << shift;
        }
    }
}

// Where each control of a dialog lies in its client area, in the windows' order, after the
// client area's own size.
std::vector<RECT> Layout(HWND dialog)
{
    std::vector<RECT> places(1);
    GetClientRect(dialog, &places[0]);
    std::pair walk{dialog, &places};
    EnumChildWindows(dialog, [](HWND child, LPARAM self) {
        const auto& [into, list] = *reinterpret_cast<decltype(walk)*>(self);
        return list->push_back(PlaceOf(child, into)), TRUE;
    }, reinterpret_cast<LPARAM>(&walk));
    return places;
}

LONG FontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Moved onto a monitor of another scale, the dialog takes the rectangle the system suggests and
// lays itself out as if it had opened there, keeping what the user did: the typed track and
// the control with the focus.
TEST(SettingsDialog, NewScaleLaysOutAsIfOpenedAtIt)
{
    auto opened = Open(1, 7, 144);
    auto moved = Open(1, 7, 96);
    SetWindowTextW(FindWindowExW(MusicPanel(*moved), nullptr, L"COMBOBOX", nullptr), L"12");
    SetFocus(FindWindowExW(moved->hwnd(), nullptr, nullptr, L"設定"));
    const std::vector<RECT> before = Layout(moved->hwnd());
    const RECT focusedBefore = PlaceOf(GetFocus(), moved->hwnd());
    RECT suggested{};
    GetWindowRect(moved->hwnd(), &suggested);
    SendMessageW(moved->hwnd(), WM_DPICHANGED, 0, reinterpret_cast<LPARAM>(&suggested));  // no scale: nothing to lay out
    const std::vector<RECT> unscaled = Layout(moved->hwnd());
    EXPECT_EQ(unscaled.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unscaled.begin(), unscaled.end(), [](const RECT& a, const RECT& b) { return EqualRect(&a, &b); }));
    GetWindowRect(opened->hwnd(), &suggested);
    OffsetRect(&suggested, 7, 5);
    SendMessageW(moved->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    RECT taken{};
    GetWindowRect(moved->hwnd(), &taken);
    EXPECT_TRUE(EqualRect(&taken, &suggested));
    const std::vector<RECT> expected = Layout(opened->hwnd()), laid = Layout(moved->hwnd());
    ASSERT_EQ(laid.size(), expected.size());
    for (std::size_t i = 0; i < laid.size(); ++i) {
        const LONG off = std::max({std::abs(laid[i].left - expected[i].left), std::abs(laid[i].top - expected[i].top),
                                   std::abs(laid[i].right - expected[i].right), std::abs(laid[i].bottom - expected[i].bottom)});
        EXPECT_LE(off, 1) << i;
    }
    const HWND repeatBox = FindWindowExW(MusicPanel(*moved), nullptr, L"COMBOBOX", nullptr);
    EXPECT_EQ(FontHeight(repeatBox), FontHeight(FindWindowExW(MusicPanel(*opened), nullptr, L"COMBOBOX", nullptr)));
    EXPECT_EQ(DrawnIn(PanelControlAt(*moved, 32, 56, 144)).extent.cx, DrawnIn(PanelControlAt(*opened, 32, 56, 144)).extent.cx);
    EXPECT_EQ(moved->RepeatText(), L"12");
    // The focus is on the control that lies where the focused one lay.
    const auto focusedAt = std::find_if(before.begin() + 1, before.end(), [&](const RECT& place) { return EqualRect(&place, &focusedBefore); });
    ASSERT_NE(focusedAt, before.end());
    const RECT focusedAfter = PlaceOf(GetFocus(), moved->hwnd());
    EXPECT_TRUE(EqualRect(&focusedAfter, &laid[std::size_t(focusedAt - before.begin())]));
}

// Moved while it has the keyboard or while another window has it, the dialog gives the keyboard
// back to the control that had it, also the first in its order ("なし", which is no tab stop
// while "音楽CD" is chosen) and the repeat box, whose text field holds the keyboard.
TEST(SettingsDialog, NewScaleKeepsTheFocusActiveOrNot)
{
    auto other = Open(0);
    for (const auto& [active, x, y] : {std::tuple{true, 50, 76}, {false, 50, 76}, {true, 116, 58}}) {
        auto dialog = Open(1);
        SetActiveWindow(dialog->hwnd());
        SetFocus(PanelControlAt(*dialog, x, y));
        if (!active) SetActiveWindow(other->hwnd());
        RECT suggested{};
        GetWindowRect(dialog->hwnd(), &suggested);
        SendMessageW(dialog->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        SetActiveWindow(dialog->hwnd());
        const HWND focus = GetFocus(), control = PanelControlAt(*dialog, x, y, 144);
        EXPECT_TRUE(focus == control || IsChild(control, focus)) << active << ", " << x;
    }
}

std::string SettingsFileBytes()
{
    std::ifstream file(contract::kSettingsFileW.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The music keys as the profile functions write them, in code page 932.
constexpr char kSavedMusic[] = "BGM\x8B\xE6\x95\xAA=1\r\nBGM\xD8\xCB\xDF\xB0\xC4=3\r\nBGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\n";

// Whatever windows a thread still shows after 30 s are closed, so that a save that fails, and
// tells the user so, fails the test instead of waiting for a user.
class UnansweredBoxCloser {
public:
    explicit UnansweredBoxCloser(DWORD thread)
        : closer_([thread](std::stop_token stop) {
              for (int look = 0; look < 1500 && !stop.stop_requested(); ++look) Sleep(20);
              if (stop.stop_requested()) return;
              EnumThreadWindows(thread, [](HWND window, LPARAM) { return PostMessageW(window, WM_CLOSE, 0, 0), TRUE; }, 0);
          })
    {
    }

private:
    std::jthread closer_;
};

// A first save writes the three music keys alone; a later one keeps what the runs wrote.
TEST(SettingsDialogSave, WritesTheMusicKeysAndKeepsTheRest)
{
    const UnansweredBoxCloser closer(GetCurrentThreadId());
    CreateDirectoryW(contract::kWorkFolderW.c_str(), nullptr);
    const std::string runs = "[Section]\r\nWidth=1920\r\nHeight=1080\r\n";
    for (const std::string& before : {std::string(), runs + "BGM\x8B\xE6\x95\xAA=0\r\n"}) {
        DeleteFileW(contract::kSettingsFileW.c_str());
        if (!before.empty()) std::ofstream(contract::kSettingsFileW.c_str(), std::ios::binary) << before;
        auto dialog = Open(1, 3);
        SendMessageW(FindWindowExW(dialog->hwnd(), nullptr, nullptr, L"設定"), BM_CLICK, 0, 0);
        EXPECT_EQ(SettingsFileBytes(), (before.empty() ? std::string("[Section]\r\n") : runs) + kSavedMusic);
    }
    DeleteFileW(contract::kSettingsFileW.c_str());
}

// Whether the settings file is held open by another program or marked read-only, the save
// says so over the dialog, which stays open, and the file keeps its bytes.
TEST(SettingsDialogSave, FailureIsToldAndTheDialogStaysOpen)
{
    CreateDirectoryW(contract::kWorkFolderW.c_str(), nullptr);
    const bool existed = GetFileAttributesW(contract::kSettingsFileW.c_str()) != INVALID_FILE_ATTRIBUTES;
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "held open");
        const std::string before = SettingsFileBytes();
        const HANDLE lock = CreateFileW(contract::kSettingsFileW.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        if (readOnly) CloseHandle(lock), SetFileAttributesW(contract::kSettingsFileW.c_str(), FILE_ATTRIBUTE_READONLY);
        SettingsDialog dialog(settings::MusicSettings{});
        ASSERT_TRUE(dialog.Create());
        std::wstring told(512, L'\0');
        HWND owner = nullptr;
        const UnansweredBoxCloser closer(GetCurrentThreadId());  // a box under another title
        std::thread user([&] {  // waits for the message as a user would, reads it and presses OK
            HWND box = nullptr;
            for (int look = 0; look < 500 && !(box = FindWindowW(L"#32770", settings::kProgramTitle)); ++look) Sleep(20);
            if (!box) return;
            told.resize(static_cast<std::size_t>(GetDlgItemTextW(box, 0xFFFF, told.data(), 512)));
            owner = GetWindow(box, GW_OWNER);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(FindWindowExW(dialog.hwnd(), nullptr, nullptr, L"設定"), BM_CLICK, 0, 0);
        user.join();
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
        EXPECT_NE(told.find(L"設定を保存できませんでした。"), std::wstring::npos) << testing::PrintToString(told);
        EXPECT_EQ(owner, dialog.hwnd());
        EXPECT_TRUE(IsWindow(dialog.hwnd()) && IsWindowVisible(dialog.hwnd()));
        if (readOnly) SetFileAttributesW(contract::kSettingsFileW.c_str(), FILE_ATTRIBUTE_NORMAL);
        else CloseHandle(lock);
        EXPECT_EQ(SettingsFileBytes(), before);
    }
    if (!existed) DeleteFileW(contract::kSettingsFileW.c_str());
}

}  // namespace
}  // namespace wavorin::dialog
