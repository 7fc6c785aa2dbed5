// The renderer Wavorin.dll as the host and the user meet it: its window, found by title at
// every moment, its size from the settings file, its keys, and a frame that moves whatever
// the snapshot files hold.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"
#include "tests/e2e/harness/Harness.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace wavorin::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr wchar_t kTitle[] = L"Zelvane_VC";
const fs::path kRingFile = kWorkDirectory / L"Zelvane1.alo";
const fs::path kDesktopFile = kWorkDirectory / L"Zelvane2.alo";

void WriteSettings(const char* width, const char* height)
{
    fs::create_directories(kWorkDirectory);
    const std::string file = kSettingsFile.string();
    WritePrivateProfileStringA("Section", "Width", width, file.c_str());
    WritePrivateProfileStringA("Section", "Height", height, file.c_str());
}

void WriteSampleSnapshots()
{
    fs::create_directories(kWorkDirectory);
    ASSERT_TRUE(snapshot::WriteBmpFile(kRingFile, tools::MakeSampleRingPicture()));
    ASSERT_TRUE(snapshot::WriteBmpFile(kDesktopFile, tools::MakeDesktopPicture(GetSystemMetrics(SM_CXSCREEN),
                                                                               GetSystemMetrics(SM_CYSCREEN))));
}

// The screen's pixels in an area, as 0x00RRGGBB values, read through the desktop's DC.
std::vector<std::uint32_t> ScreenPixels(int width, int height)
{
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    HDC screen = GetDC(nullptr);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        win32::SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        std::memcpy(pixels.data(), bits, pixels.size() * 4);
    }
    ReleaseDC(nullptr, screen);
    for (auto& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

int LitPixels(const std::vector<std::uint32_t>& pixels)
{
    int lit = 0;
    for (std::uint32_t p : pixels) lit += p != 0;
    return lit;
}

int ChangedPixels(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    int changed = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) changed += a[i] != b[i];
    return changed;
}

// Keys as the user types them; fails the test when the window never got the focus.
void PressKey(HWND window, WORD key)
{
    ASSERT_TRUE(BringToFront(window));
    TypeKey(window, key);
}

void MoveAndClickMouse(HWND window)
{
    ASSERT_TRUE(BringToFront(window));
    std::vector<INPUT> inputs;
    // Absolute moves over the window (0..65535 spans the screen); the pointer stays on it.
    for (int step = 0; step < 5; ++step) {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = (200 + step * 100) * 65535 / GetSystemMetrics(SM_CXSCREEN);
        move.mi.dy = (150 + step * 80) * 65535 / GetSystemMetrics(SM_CYSCREEN);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(move);
    }
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    inputs.push_back(down);
    inputs.push_back(up);
    down.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    inputs.push_back(down);
    inputs.push_back(up);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveWorkDirectory(); }

    // Starts the renderer as the host does: by path, no arguments, a normal window.
    HWND Start()
    {
        renderer_.emplace(BuiltProgram(L"Wavorin.dll"), L"");
        EXPECT_TRUE(renderer_->Started());
        HWND window = WaitForWindow(kTitle, 10s);
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5s));
        return window;
    }

    Process& Renderer() { return *renderer_; }

    RECT WindowRect(HWND window)
    {
        RECT area{};
        GetWindowRect(window, &area);
        return area;
    }

    std::optional<Process> renderer_;
};

TEST_F(RendererTest, WithoutASettingsFileItIsA1024By768BorderlessWindowAtTheOrigin)
{
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    const RECT area = WindowRect(window);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, 1024);
    EXPECT_EQ(area.bottom, 768);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU | WS_CHILD));
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, kTitle);
    EXPECT_EQ(GetClassLongPtrW(window, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_OWNDC);
}

TEST_F(RendererTest, AWidthOf0GivesTheDefaultBesideTheHeightItReads)
{
    WriteSettings("0", "600");
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    const RECT area = WindowRect(window);
    EXPECT_EQ(area.right - area.left, 1024);
    EXPECT_EQ(area.bottom - area.top, 600);
}

TEST_F(RendererTest, TheTitleIsFoundAtEveryPollWhileFramesMove)
{
    WriteSampleSnapshots();
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    int polls = 0, found = 0;
    std::vector<std::uint32_t> first = ScreenPixels(1024, 768), last;
    const auto end = std::chrono::steady_clock::now() + 3s;
    while (std::chrono::steady_clock::now() < end) {
        ++polls;
        HWND now = FindTopLevelWindow(kTitle);
        wchar_t title[64] = {};
        GetWindowTextW(now, title, 64);
        if (now == window && std::wstring(title) == kTitle) ++found;
        Sleep(20);
    }
    last = ScreenPixels(1024, 768);
    EXPECT_EQ(found, polls);
    EXPECT_GT(polls, 50);
    EXPECT_GT(LitPixels(last), 1024 * 768 / 50);   // a scene, not a black window
    EXPECT_GT(ChangedPixels(first, last), 1000);  // and it moves
    EXPECT_TRUE(Renderer().Running());
}

TEST_F(RendererTest, OtherKeysAndTheMouseLeaveItRunning)
{
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    for (WORD key : {WORD('A'), WORD(VK_SPACE), WORD(VK_RETURN), WORD(VK_F1), WORD(VK_LEFT), WORD(VK_SHIFT)}) {
        PressKey(window, key);
    }
    MoveAndClickMouse(window);
    EXPECT_FALSE(Renderer().WaitForExit(1500ms).has_value());
    EXPECT_EQ(FindTopLevelWindow(kTitle), window);

    PressKey(window, VK_ESCAPE);  // the same way in, Esc does end it
    EXPECT_EQ(Renderer().WaitForExit(10s), 0u);
}

// The order inside the renderer (window destroyed, cursor shown, then the loop ends) is
// checked in-process by the window tests: from outside, Wine shows the window and the process
// ending within the same instant, and resets a dead thread's cursor count.
TEST_F(RendererTest, EscEndsItAndTheTitleIsGoneFromThenOn)
{
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    PressKey(window, VK_ESCAPE);
    EXPECT_EQ(Renderer().WaitForExit(10s), 0u);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(WaitUntil([] { return FindTopLevelWindow(kTitle) != nullptr; }, 500ms));
}

TEST_F(RendererTest, ASystemCloseEndsItLikeEsc)
{
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(Renderer().WaitForExit(10s), 0u);
    EXPECT_EQ(FindTopLevelWindow(kTitle), nullptr);
}

TEST_F(RendererTest, MissingOrMalformedSnapshotFilesStillGiveAMovingScene)
{
    struct Case {
        const char* what;
        std::string ring, desktop;  // file contents; empty means no file
    };
    std::string topDown;
    {
        auto bytes = *snapshot::EncodeBmp(tools::MakeSampleRingPicture());
        bytes[25] = 0xFF, bytes[24] = 0xFF, bytes[23] = 0xFF, bytes[22] = 0x80;  // height -128
        topDown.assign(bytes.begin(), bytes.end());
    }
    const Case cases[] = {
        {"no files", "", ""},
        {"13 bytes and not a BMP", "BM34567890123", std::string(5000, 'x')},
        {"top-down and cut short", topDown, topDown.substr(0, 600)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveWorkDirectory();
        fs::create_directories(kWorkDirectory);
        if (!c.ring.empty()) std::ofstream(kRingFile, std::ios::binary) << c.ring;
        if (!c.desktop.empty()) std::ofstream(kDesktopFile, std::ios::binary) << c.desktop;

        HWND window = Start();
        ASSERT_NE(window, nullptr);
        const auto before = ScreenPixels(1024, 768);
        EXPECT_FALSE(Renderer().WaitForExit(700ms).has_value());
        const auto after = ScreenPixels(1024, 768);
        EXPECT_GT(LitPixels(after), 1024 * 768 / 50);
        EXPECT_GT(ChangedPixels(before, after), 1000);
        PressKey(window, VK_ESCAPE);
        EXPECT_EQ(Renderer().WaitForExit(10s), 0u);
    }
}

// The host shows the scene's own still in the preview pane: its picture resource is the
// committed picture, as the system's resource loader hands it out.
TEST(HostPreviewPicture, IsTheStillOfTheScene)
{
    const fs::path host = BuiltProgram(L"Wavorin.scr");
    HMODULE module = LoadLibraryExW(host.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    win32::UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(101), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));  // IDB_PREVIEW
    FreeLibrary(module);
    ASSERT_TRUE(bitmap);

    const auto committed = snapshot::ReadBmpFile(fs::path(L"Z:" WAVORIN_SOURCE_DIR_W L"/host/assets/preview.bmp"));
    ASSERT_EQ(committed.status, snapshot::ReadStatus::Loaded);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = committed.width;
    info.bmiHeader.biHeight = committed.height;  // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    std::vector<std::uint8_t> pixels(committed.picture.pixels.size());
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap.get(), 0, UINT(committed.height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, 112);
    EXPECT_EQ(committed.width, 152);
    EXPECT_TRUE(pixels == committed.picture.pixels);
}

}  // namespace
}  // namespace wavorin::e2e
