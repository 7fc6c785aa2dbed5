// The host's start-up as the system drives it, one row per situation: the instance guard,
// the renderer check and its message, the hidden run window with the screen size written
// for the renderer, the cursor, the work directory; and the preview embedded in its pane.

#include "tests/e2e/harness/Harness.h"

namespace wavorin::e2e {
namespace {

using Renderer = Install::Renderer;
constexpr wchar_t kDialogTitle[] = L"■Wavorin■";

struct Start {
    const wchar_t* arguments;
    Renderer renderer;
    const wchar_t* openWindow;  // a window of this title already there (hidden ones count), or null
    bool message;               // "Wavorin.dll not found", until the user closes it
    bool dialog;                // the settings dialog, until the user closes it
    bool run;                   // a hidden run window, the screen size written
    int cursor;                 // the cursor's display count during the run: -1 hidden
};

const Start kStarts[] = {
    {L"/s", Renderer::StandIn, nullptr, false, false, true, -1},
    {L"", Renderer::Placeholder, nullptr, false, true, false, 0},  // Explorer's "Configure"
    {L"/x", Renderer::Placeholder, nullptr, false, false, false, 0},
    {L"/c", Renderer::Missing, nullptr, true, false, false, 0},
    {L"/s", Renderer::Missing, nullptr, true, false, false, 0},
    {L"/p 0", Renderer::Missing, nullptr, false, false, false, 0},
    {L"/s", Renderer::Placeholder, kRunTitle, false, false, false, 0},
    {L"/c", Renderer::Placeholder, kDialogTitle, false, false, false, 0},
    {L"/p 1234", Renderer::Placeholder, kDialogTitle, false, false, false, 0},
};

class StartupTest : public E2eTest, public ::testing::WithParamInterface<Start> {};

TEST_P(StartupTest, DoesWhatTheCommandLineAsksAndEndsWithExitCode0)
{
    const Start& row = GetParam();
    Install install(row.renderer);
    const auto open = row.openWindow ? OpenWindow(row.openWindow, WS_POPUP) : win32::UniqueWindow();
    Process host(install.Host(), row.arguments);
    if (row.message) {
        HWND box = WaitForWindow(L"Wavorin (ScreenSaver)", 20s);
        ASSERT_NE(box, nullptr);
        wchar_t text[128] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 128);  // the message's static control
        EXPECT_STREQ(text, L"Wavorin.dll が同じﾌｫﾙﾀﾞ内に見つかりません！");
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);  // OK alone
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (row.dialog) {
        HWND dialog = WaitForWindow(kDialogTitle, 20s);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 20s));
        EXPECT_FALSE(std::filesystem::exists(kSettingsFile));  // nothing is written before "設定"
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
    if (row.run) {
        HWND run = WaitForWindow(kRunTitle, 20s);
        ASSERT_NE(run, nullptr);
        EXPECT_FALSE(IsWindowVisible(run));
        // Showing it again at the end cannot be seen from here: Wine resets the count of a
        // thread that has ended.
        ASSERT_TRUE(ShareInputWith(run));
        EXPECT_EQ(CursorCount(), row.cursor);
        // The run lasts while its stand-in renderer's window does.
        EXPECT_FALSE(host.WaitForExit(1s));
        PostMessageW(WaitForWindow(kRendererTitle, 20s), WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(host.WaitForExit(60s), 0u);
    // Every start but a preview or a second instance prepares the work directory.
    EXPECT_EQ(std::filesystem::exists(kWorkDirectory), !row.openWindow && !std::wstring_view(row.arguments).starts_with(L"/p"));
    EXPECT_EQ(std::filesystem::exists(kSettingsFile), row.run);
    EXPECT_EQ(SettingsValue("Width"), row.run ? std::to_string(GetSystemMetrics(SM_CXSCREEN)) : "");
    EXPECT_EQ(SettingsValue("Height"), row.run ? std::to_string(GetSystemMetrics(SM_CYSCREEN)) : "");
}

INSTANTIATE_TEST_SUITE_P(Table, StartupTest, ::testing::ValuesIn(kStarts));

// The preview embeds in its pane without preparing the work directory. The settings' pane
// stays open while the user tries the screensaver or opens its settings: neither is kept out
// by the preview, which goes on, and ends with its pane.
TEST_F(E2eTest, RunAndSettingsStartWhileAPreviewIsEmbedded)
{
    Install install(Renderer::Placeholder);
    auto pane = OpenWindow(L"Preview pane", WS_POPUP | WS_VISIBLE, {0, 0, 152, 112});
    Process preview(install.Host(), L"/p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(pane.get())));
    const auto embedded = [&] {
        HWND window = FindWindowExW(pane.get(), nullptr, nullptr, L"Preview Window");
        return window && IsWindowVisible(window);
    };
    ASSERT_TRUE(WaitUntil(embedded, 20s));
    EXPECT_FALSE(std::filesystem::exists(kWorkDirectory));
    {
        Process run(install.Host(), L"/s");
        EXPECT_NE(WaitForWindow(kRunTitle, 20s), nullptr);
        EXPECT_EQ(run.WaitForExit(60s), 0u);  // the placeholder renderer never shows: the run ends
    }
    {
        Process settings(install.Host(), L"/c");
        HWND dialog = WaitForWindow(kDialogTitle, 20s);
        ASSERT_NE(dialog, nullptr);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(settings.WaitForExit(60s), 0u);
    }
    EXPECT_TRUE(preview.Running() && embedded());
    pane.reset();
    EXPECT_EQ(preview.WaitForExit(20s), 0u);
}

}  // namespace
}  // namespace wavorin::e2e
