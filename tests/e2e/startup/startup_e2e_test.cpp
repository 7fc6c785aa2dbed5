// The host's start-up as the system drives it: switches, instance guard, renderer check,
// preview embedding, the screen size written for the renderer.

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/Harness.h"

namespace wavorin::e2e {
namespace {

using Renderer = Install::Renderer;
using namespace std::chrono_literals;

constexpr wchar_t kCaption[] = L"Wavorin (ScreenSaver)";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveWorkDirectory(); }
};

TEST_F(StartupTest, ScreensaverRecordsTheScreenSizeAndEndsWithoutARenderer)
{
    Install install(L"run", Renderer::Placeholder);
    Process host(install.Host(), L"/s");
    ASSERT_TRUE(host.Started());

    // The run window exists (hidden) while the run lasts; the size is written before it.
    ASSERT_NE(WaitForWindow(L"Wavorin_Main", 5s), nullptr);
    EXPECT_EQ(SettingsValue("Width"), std::to_string(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(SettingsValue("Height"), std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_FALSE(IsWindowVisible(FindTopLevelWindow(L"Wavorin_Main")));

    // No window titled "Zelvane_VC" appears, so the first renderer check ends the run.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1500ms);
    EXPECT_EQ(FindTopLevelWindow(L"Wavorin_Main"), nullptr);
}

TEST_F(StartupTest, ScreensaverHidesTheCursorForTheRunOnly)
{
    Install install(L"cursor", Renderer::Placeholder);
    Process host(install.Host(), L"/s");
    HWND run = WaitForWindow(L"Wavorin_Main", 5s);
    ASSERT_NE(run, nullptr);
    SharedInput input(run);
    ASSERT_TRUE(input.Attached());
    const int during = input.CursorCount();
    ASSERT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_EQ(input.CursorCount(), during + 1);  // shown again exactly once
    EXPECT_GE(input.CursorCount(), 0);
}

TEST_F(StartupTest, EmptyCommandLineLeavesTheCursorAlone)
{
    Install install(L"cursorempty", Renderer::Placeholder);
    Process host(install.Host(), L"");
    HWND run = WaitForWindow(L"Wavorin_Main", 5s);
    ASSERT_NE(run, nullptr);
    SharedInput input(run);
    ASSERT_TRUE(input.Attached());
    const int during = input.CursorCount();
    ASSERT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_EQ(input.CursorCount(), during);
    EXPECT_GE(during, 0);
}

TEST_F(StartupTest, ScreenSizeLandsUnderTheSettingsSectionOnA1280By1024Screen)
{
    if (GetSystemMetrics(SM_CXSCREEN) != 1280 || GetSystemMetrics(SM_CYSCREEN) != 1024) {
        GTEST_SKIP() << "needs the test run's 1280 x 1024 screen";
    }
    Install install(L"run1280", Renderer::Placeholder);
    Process host(install.Host(), L"/S");
    EXPECT_EQ(host.WaitForExit(5s), 0u);
    EXPECT_EQ(SettingsValue("Width"), "1280");
    EXPECT_EQ(SettingsValue("Height"), "1024");
}

TEST_F(StartupTest, EmptyCommandLineRunsTheScreensaverToo)
{
    Install install(L"empty", Renderer::Placeholder);
    Process host(install.Host(), L"");
    ASSERT_NE(WaitForWindow(L"Wavorin_Main", 5s), nullptr);
    EXPECT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_EQ(SettingsValue("Width"), std::to_string(GetSystemMetrics(SM_CXSCREEN)));
}

TEST_F(StartupTest, AnyOtherSwitchPreparesThenEndsWithoutAWindow)
{
    Install install(L"other", Renderer::Placeholder);
    Process host(install.Host(), L"/x");
    EXPECT_EQ(host.WaitForExit(5s), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(kWorkDirectory));
    EXPECT_FALSE(std::filesystem::exists(kSettingsFile));  // no size written
    EXPECT_EQ(FindTopLevelWindow(L"Wavorin_Main"), nullptr);
}

TEST_F(StartupTest, MissingRendererIsReportedAndNothingElseHappens)
{
    for (const wchar_t* arguments : {L"/c", L"/s", L"/x"}) {
        SCOPED_TRACE(testing::Message() << "arguments " << std::string(arguments, arguments + wcslen(arguments)));
        RemoveWorkDirectory();
        Install install(L"missing", Renderer::Missing);
        Process host(install.Host(), arguments);
        const auto text = WaitForMessageBoxText(kCaption, 5s);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, L"Wavorin.dll が同じﾌｫﾙﾀﾞ内に見つかりません！");
        EXPECT_TRUE(host.Running());  // the box waits for the user
        CloseMessageBox(kCaption);
        EXPECT_EQ(host.WaitForExit(5s), 0u);
        EXPECT_EQ(FindTopLevelWindow(L"Wavorin_Main"), nullptr);
        EXPECT_FALSE(std::filesystem::exists(kSettingsFile));
    }
}

TEST_F(StartupTest, MissingRendererMessageHasOneOkButtonAndNoIcon)
{
    Install install(L"missingbox", Renderer::Missing);
    Process host(install.Host(), L"/c");
    ASSERT_TRUE(WaitForMessageBoxText(kCaption, 5s).has_value());
    HWND box = FindWindowW(L"#32770", kCaption);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDNO), nullptr);
    EXPECT_EQ(GetDlgItem(box, 0x0014), nullptr);  // the icon's static control
    CloseMessageBox(kCaption);
    EXPECT_EQ(host.WaitForExit(5s), 0u);
}

TEST_F(StartupTest, InstanceGuardEndsAtOnceBesideARunOrADialog)
{
    Install install(L"guard", Renderer::Placeholder);
    struct Case {
        const wchar_t* title;
        const wchar_t* arguments;
    };
    for (const Case& c : {Case{L"Wavorin_Main", L"/s"}, Case{L"Wavorin_Main", L"/c"}, Case{L"■Wavorin■", L"/c"},
                          Case{L"■Wavorin■", L"/p 1234"}, Case{L"■Wavorin■", L""}}) {
        SCOPED_TRACE(testing::Message() << "arguments " << std::string(c.arguments, c.arguments + wcslen(c.arguments)));
        RemoveWorkDirectory();
        TestWindow other(c.title, WS_POPUP, 10, 10);  // hidden windows count too
        Process host(install.Host(), c.arguments);
        EXPECT_EQ(host.WaitForExit(5s), 0u);
        EXPECT_FALSE(std::filesystem::exists(kWorkDirectory));
        EXPECT_EQ(FindWindowW(nullptr, L"Preview Window"), nullptr);
    }
}

class PreviewTest : public StartupTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(PreviewTest, EmbedsIntoTheParentAndEndsWithIt)
{
    Install install(L"preview", Renderer::Missing);  // preview mode does not look for it
    TestWindow pane(L"Preview pane", WS_POPUP | WS_VISIBLE, 152, 112);
    const std::wstring arguments = GetParam() + std::to_wstring(reinterpret_cast<std::uintptr_t>(pane.hwnd()));
    Process host(install.Host(), arguments);

    HWND preview = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (preview = FindWindowExW(pane.hwnd(), nullptr, nullptr, L"Preview Window")); },
                          5s));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(preview) != FALSE; }, 2s));
    EXPECT_TRUE(GetWindowLongPtrW(preview, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(preview), pane.hwnd());
    RECT area{};
    GetWindowRect(preview, &area);
    EXPECT_EQ(area.right - area.left, 152);
    EXPECT_EQ(area.bottom - area.top, 112);
    EXPECT_FALSE(WaitForMessageBoxText(kCaption, 300ms).has_value());
    EXPECT_FALSE(std::filesystem::exists(kWorkDirectory));

    pane.Destroy();
    EXPECT_EQ(host.WaitForExit(3s), 0u);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, PreviewTest, ::testing::Values(L"/p ", L"/p:"));

TEST_F(StartupTest, PreviewIntoSomethingThatIsNotAWindowEnds)
{
    Install install(L"previewbad", Renderer::Missing);
    Process host(install.Host(), L"/p 0");
    EXPECT_EQ(host.WaitForExit(3s), 0u);
}

}  // namespace
}  // namespace wavorin::e2e
