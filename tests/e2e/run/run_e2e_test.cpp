// A screensaver run from end to end: the real host and renderer under Wine, over a desktop
// whose pixels the test knows.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "host/assets/RingPictures.h"
#include "host/run/ScreenCapture.h"
#include "tests/e2e/harness/Harness.h"

namespace wavorin::e2e {
namespace {

using Renderer = Install::Renderer;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

const fs::path kDesktopSnapshot = L"C:\\vetsu_temp\\Zelvane2.alo";
const fs::path kRingSnapshot = L"C:\\vetsu_temp\\Zelvane1.alo";

// A full-screen window of coloured bands, different in the top and bottom halves so that
// a picture upside down or mirrored cannot pass for it.
class KnownDesktop {
public:
    explicit KnownDesktop(int variant)
        : variant_(variant), width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN))
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &KnownDesktop::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"WavorinKnownDesktop";
        RegisterClassW(&windowClass);
        window_.reset(CreateWindowExW(0, L"WavorinKnownDesktop", L"desktop", WS_POPUP, 0, 0,
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                      GetModuleHandleW(nullptr), this));
        ShowWindow(window_.get(), SW_SHOW);
        UpdateWindow(window_.get());
        WaitUntil([] { return false; }, 500ms);  // let it reach the screen
    }

    COLORREF ColourAt(int x, int y) const
    {
        static constexpr std::array<COLORREF, 8> kBands{RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200),
                                                        RGB(220, 220, 40), RGB(40, 220, 220), RGB(220, 40, 220),
                                                        RGB(250, 250, 250), RGB(90, 90, 90)};
        const int band = x * 8 / width_;
        const bool top = y < height_ / 2;
        return kBands[std::size_t((band + (top ? 0 : 3) + variant_) % 8)];
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        if (message == WM_PAINT) {
            const auto* self = reinterpret_cast<KnownDesktop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            const int width = self->width_, height = self->height_;
            for (int band = 0; band < 8; ++band) {
                for (int half = 0; half < 2; ++half) {
                    const RECT area{band * width / 8, half * height / 2, (band + 1) * width / 8,
                                    (half + 1) * height / 2};
                    win32::UniqueBrush brush(CreateSolidBrush(self->ColourAt(area.left, area.top)));
                    FillRect(dc, &area, brush.get());
                }
            }
            EndPaint(window, &paint);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    int variant_;
    int width_, height_;
    win32::UniqueWindow window_;
};

// How many pixels of the snapshot differ from the desktop's.
int PixelsUnlike(const snapshot::Picture& picture, const KnownDesktop& desktop)
{
    int unlike = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const snapshot::Rgb pixel = snapshot::PixelAt(picture, x, y);
            unlike += RGB(pixel.r, pixel.g, pixel.b) != desktop.ColourAt(x, y);
        }
    }
    return unlike;
}

// The built-in ring picture the file holds, or -1.
int RingPictureIn(const snapshot::Picture& picture)
{
    for (int index = 0; index < 5; ++index) {
        const auto ring = host::LoadRingPicture(index);
        if (ring && ring->width == picture.width && ring->height == picture.height && ring->pixels == picture.pixels) {
            return index;
        }
    }
    return -1;
}

HWND RendererWindow() { return FindTopLevelWindow(L"Zelvane_VC"); }

// Esc to the renderer, as the user ends the screensaver; the host's exit code once the
// renderer's window is gone (a busy machine takes its time to deliver the key).
std::optional<DWORD> EndWithEsc(HWND renderer, Process& host)
{
    TypeKey(renderer, VK_ESCAPE);
    WaitUntil([] { return RendererWindow() == nullptr; }, 20s);
    return host.WaitForExit(3s);
}

class RunTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveWorkDirectory(); }
};

TEST_F(RunTest, PhotographsTheScreenStartsTheRendererAndEndsWithEsc)
{
    const KnownDesktop desktop(0);
    Install install(L"run", Renderer::Real);
    Process host(install.Host(), L"/s");
    HWND run = WaitForWindow(L"Wavorin_Main", 10s);
    ASSERT_NE(run, nullptr);
    SharedInput input(run);
    const int hiddenCount = input.CursorCount();

    // Both files are complete when the renderer's window appears.
    HWND renderer = WaitForWindow(L"Zelvane_VC", 15s);
    ASSERT_NE(renderer, nullptr);
    const snapshot::ReadResult screen = snapshot::ReadBmpFile(kDesktopSnapshot);
    ASSERT_EQ(screen.status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(PixelsUnlike(screen.picture, desktop), 0);
    const snapshot::ReadResult ring = snapshot::ReadBmpFile(kRingSnapshot);
    ASSERT_EQ(ring.status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(ring.width, 128);
    EXPECT_EQ(ring.height, 128);
    EXPECT_GE(RingPictureIn(ring.picture), 0);

    // The run lasts as long as the renderer, through a shutdown that was cancelled.
    SendMessageW(run, WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(host.WaitForExit(1500ms).has_value());
    TypeKey(renderer, VK_ESCAPE);
    // Wine takes its time to deliver the key; the host then notices within a watch period.
    ASSERT_TRUE(WaitUntil([] { return RendererWindow() == nullptr; }, 20s));
    const auto gone = std::chrono::steady_clock::now();
    EXPECT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - gone, 1000ms);
    EXPECT_EQ(input.CursorCount(), hiddenCount + 1);  // the host's hiding undone
    // The photograph of the user's screen goes with the run; the ring picture stays.
    EXPECT_FALSE(fs::exists(kDesktopSnapshot));
    EXPECT_TRUE(fs::exists(kRingSnapshot));
}

TEST_F(RunTest, SnapshotFileThatCannotBeWrittenDoesNotStopTheRun)
{
    // A folder where the desktop's snapshot belongs: it can be neither deleted nor written.
    fs::create_directories(kDesktopSnapshot);
    Install install(L"blocked", Renderer::Real);
    Process host(install.Host(), L"/s");
    HWND renderer = WaitForWindow(L"Zelvane_VC", 15s);
    ASSERT_NE(renderer, nullptr);
    EXPECT_TRUE(fs::is_directory(kDesktopSnapshot));
    EXPECT_EQ(snapshot::ReadBmpFile(kRingSnapshot).status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(EndWithEsc(renderer, host), 0u);
}

TEST_F(RunTest, RendererThatDiesEndsTheRun)
{
    Install install(L"kill", Renderer::Real);
    Process host(install.Host(), L"/s");
    HWND renderer = WaitForWindow(L"Zelvane_VC", 15s);
    ASSERT_NE(renderer, nullptr);
    DWORD rendererId = 0;
    GetWindowThreadProcessId(renderer, &rendererId);
    win32::UniqueHandle rendererProcess(OpenProcess(PROCESS_TERMINATE, FALSE, rendererId));
    ASSERT_TRUE(rendererProcess);
    TerminateProcess(rendererProcess.get(), 1);
    const auto killed = std::chrono::steady_clock::now();
    EXPECT_EQ(host.WaitForExit(3s), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - killed, 1500ms);
}

// A screen that cannot be read (a secure desktop, no device context) still gives the
// tube a desktop picture of the screen's size.
TEST(ScreenCapture, UnreadableScreenGivesABlackPictureOfItsSize)
{
    const auto picture = host::CapturePicture(nullptr, 33, 20);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 33);
    EXPECT_EQ(picture->height, 20);
    EXPECT_EQ(std::count(picture->pixels.begin(), picture->pixels.end(), 0), std::ptrdiff_t(picture->pixels.size()));
}

TEST_F(RunTest, SecondRunRewritesBothFiles)
{
    Install install(L"twice", Renderer::Real);
    fs::file_time_type firstRing;
    for (int variant : {0, 1}) {
        const KnownDesktop desktop(variant);
        Process host(install.Host(), L"/s");
        HWND renderer = WaitForWindow(L"Zelvane_VC", 15s);
        ASSERT_NE(renderer, nullptr);
        const snapshot::ReadResult screen = snapshot::ReadBmpFile(kDesktopSnapshot);
        ASSERT_EQ(screen.status, snapshot::ReadStatus::Loaded);
        EXPECT_EQ(PixelsUnlike(screen.picture, desktop), 0) << "run " << variant;
        const auto ringTime = fs::last_write_time(kRingSnapshot);
        if (variant == 1) {
            EXPECT_GT(ringTime, firstRing);
        }
        firstRing = ringTime;
        EXPECT_EQ(EndWithEsc(renderer, host), 0u);
    }
}

TEST_F(RunTest, EmptyCommandLineRunsWithoutTouchingTheCursor)
{
    Install install(L"empty", Renderer::Real);
    Process host(install.Host(), L"");
    HWND run = WaitForWindow(L"Wavorin_Main", 10s);
    ASSERT_NE(run, nullptr);
    SharedInput input(run);
    HWND renderer = WaitForWindow(L"Zelvane_VC", 15s);
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(EndWithEsc(renderer, host), 0u);
    // The renderer hides and shows its own cursor; the host leaves the count as it found it.
    EXPECT_GE(input.CursorCount(), 0);
}

}  // namespace
}  // namespace wavorin::e2e
