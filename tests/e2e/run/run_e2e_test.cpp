// A screensaver run from end to end: the real host and renderer under Wine, over a desktop
// whose pixels the test knows.

#include <gmock/gmock.h>
#include <windows.h>
#include <sddl.h>
#include <objidl.h>  // before GDI+, which needs it and the lean windows.h leaves it out
#include <gdiplus.h>

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "common/snapshot/BmpReader.h"
#include "host/run/ScreenCapture.h"
#include "tests/e2e/harness/Harness.h"

namespace wavorin::e2e {
namespace {

namespace fs = std::filesystem;
using Renderer = Install::Renderer;

const fs::path kRingSnapshot = kWorkDirectory / L"Zelvane1.alo";
const fs::path kDesktopSnapshot = kWorkDirectory / L"Zelvane2.alo";
const int kWidth = GetSystemMetrics(SM_CXSCREEN), kHeight = GetSystemMetrics(SM_CYSCREEN);

// Eight bands, the bottom half's shifted, so that a picture upside down or mirrored cannot
// pass for it; each variant shifts them again.
COLORREF DesktopColour(int variant, int x, int y)
{
    static constexpr COLORREF kBands[] = {RGB(200, 30, 30),  RGB(30, 200, 30),  RGB(30, 30, 200),   RGB(220, 220, 40),
                                          RGB(40, 220, 220), RGB(220, 40, 220), RGB(250, 250, 250), RGB(90, 90, 90)};
    return kBands[(x * 8 / kWidth + (y < kHeight / 2 ? 0 : 3) + variant) % 8];
}

void PaintDesktop(int variant, HDC dc)
{
    for (int band = 0; band < 8; ++band) {
        for (int half = 0; half < 2; ++half) {
            const RECT area{band * kWidth / 8, half * kHeight / 2, (band + 1) * kWidth / 8, (half + 1) * kHeight / 2};
            win32::UniqueBrush brush(CreateSolidBrush(DesktopColour(variant, area.left, area.top)));
            FillRect(dc, &area, brush.get());
        }
    }
}

int PixelsUnlikeDesktop(const snapshot::Picture& picture, int variant)
{
    int unlike = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const snapshot::Rgb pixel = snapshot::PixelAt(picture, x, y);
            unlike += RGB(pixel.r, pixel.g, pixel.b) != DesktopColour(variant, x, y);
        }
    }
    return unlike;
}

// The five committed ring pictures as the platform's own JPEG decoder (GDI+) reads them.
std::vector<snapshot::Picture> RingsAsThePlatformDecodesThem()
{
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    EXPECT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    std::vector<snapshot::Picture> rings;
    for (int index = 0; index < 5; ++index) {
        Gdiplus::Bitmap jpeg((WAVORIN_RINGS_DIR L"/ring" + std::to_wstring(index) + L".jpg").c_str());
        EXPECT_EQ(jpeg.GetLastStatus(), Gdiplus::Ok) << index;
        if (jpeg.GetLastStatus() != Gdiplus::Ok) continue;
        snapshot::Picture ring = snapshot::MakePicture(std::int32_t(jpeg.GetWidth()), std::int32_t(jpeg.GetHeight()));
        for (int y = 0; y < ring.height; ++y) {
            for (int x = 0; x < ring.width; ++x) {
                Gdiplus::Color colour;
                jpeg.GetPixel(x, y, &colour);
                snapshot::SetPixel(ring, x, y, {colour.GetR(), colour.GetG(), colour.GetB()});
            }
        }
        rings.push_back(std::move(ring));
    }
    Gdiplus::GdiplusShutdown(token);
    return rings;
}

// Which built-in ring picture this is, up to the small differences between JPEG decoders.
std::optional<int> BuiltInRing(const snapshot::Picture& picture)
{
    static const std::vector<snapshot::Picture> kRings = RingsAsThePlatformDecodesThem();
    for (int index = 0; index < int(kRings.size()); ++index) {
        const snapshot::Picture& ring = kRings[std::size_t(index)];
        if (ring.width != picture.width || ring.height != picture.height) continue;
        long difference = 0;
        for (int y = 0; y < ring.height; ++y) {
            for (int x = 0; x < ring.width; ++x) {
                const snapshot::Rgb a = snapshot::PixelAt(ring, x, y), b = snapshot::PixelAt(picture, x, y);
                difference += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            }
        }
        if (difference < 3L * 2 * ring.width * ring.height) return index;  // under 2 per channel on average
    }
    return std::nullopt;
}

// The local time as this process reads it; the host, in the same time zone, reads the same.
std::uint32_t SecondOfTheDay()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600u + now.wMinute * 60u + now.wSecond;
}

// The ring picture of a run that starts at this second: the first number of MT19937 as
// published, started from the second, as a fraction of 2^32 in fifths. Worked out here, apart
// from the host's code; the published first number for 5489 is 3499211612 (picture 4).
int RingPictureAt(std::uint32_t second)
{
    std::uint32_t state[398] = {second % 86400};
    for (std::uint32_t i = 1; i < 398; ++i) state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + i;
    std::uint32_t y = (state[0] & 0x80000000u) | (state[1] & 0x7fffffffu);
    y = state[397] ^ (y >> 1) ^ ((y & 1u) ? 0x9908b0dfu : 0u);
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return int((std::uint64_t(y) * 5) >> 32);
}

// The local second of the day a file was last written, as the platform keeps it.
std::uint32_t SecondWritten(const fs::path& file)
{
    const win32::UniqueFile handle(CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME written{}, local{};
    SYSTEMTIME at{};
    GetFileTime(handle.get(), nullptr, nullptr, &written);
    FileTimeToLocalFileTime(&written, &local);
    FileTimeToSystemTime(&local, &at);
    return at.wHour * 3600u + at.wMinute * 60u + at.wSecond;
}

// Waits for a second whose next few all show another picture than second 0, so that a host
// that reads no clock shows a picture the start's time rules out.
void WaitForStartUnlikeMidnight()
{
    const int midnight = RingPictureAt(0);
    std::uint32_t start = SecondOfTheDay() + 1;
    while (RingPictureAt(start) == midnight || RingPictureAt(start + 1) == midnight || RingPictureAt(start + 2) == midnight) ++start;
    ASSERT_TRUE(WaitUntil([&] { return SecondOfTheDay() == start % 86400; }, 2min));
}

// Only this user and SYSTEM may open it, whoever else may see into the folder.
void ExpectPrivate(const fs::path& file)
{
    EXPECT_THAT(AllowedSids(file), ::testing::UnorderedElementsAre(CurrentUserSid(), L"S-1-5-18")) << file;
}

// A file another account might leave behind: anybody may read and write it.
void PlantOpenFile(const fs::path& path)
{
    PSECURITY_DESCRIPTOR everybody = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)", SDDL_REVISION_1, &everybody, nullptr);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, everybody, FALSE};
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), "planted", 7, &written, nullptr);  // no picture is 7 bytes long
    LocalFree(everybody);
}

// The renderer draws in its frame loop: the screen changes from one look to the next, and
// again after that (once could be only the first frame coming up).
bool SceneMoves()
{
    auto last = run::CaptureScreen(kWidth, kHeight)->ToPicture();
    const auto changes = [&] {
        const auto previous = std::exchange(last, run::CaptureScreen(kWidth, kHeight)->ToPicture());
        return last.pixels != previous.pixels;
    };
    return WaitUntil(changes, 20s) && WaitUntil(changes, 20s);
}

// Esc to the renderer, again each second until its window is gone (on a busy machine the
// first may come before the renderer has the keyboard); then the host's exit code.
std::optional<DWORD> EndWithEsc(HWND renderer, Process& host)
{
    const auto gone = [] { return FindWindowW(nullptr, kRendererTitle) == nullptr; };
    WaitUntil([&] { return gone() || (TypeKey(renderer, VK_ESCAPE) && WaitUntil(gone, 1s)); }, 60s);
    return host.WaitForExit(30s);
}

using RunTest = E2eTest;

TEST_F(RunTest, PhotographsTheScreenShowsTheMovingSceneOverItAndEndsWithEscOnly)
{
    Install install(Renderer::Real);
    fs::file_time_type previousRing;
    for (int variant : {0, 1}) {  // a second run writes both files anew
        SCOPED_TRACE(variant);
        const auto desktop = OpenWindow(L"desktop", WS_POPUP | WS_VISIBLE, {0, 0, kWidth, kHeight});
        PaintDesktop(variant, win32::WindowDc(desktop.get()).get());
        ASSERT_TRUE(WaitUntil([&] { return PixelsUnlikeDesktop(run::CaptureScreen(kWidth, kHeight)->ToPicture(), variant) == 0; }, 20s));
        WaitForStartUnlikeMidnight();
        const std::uint32_t startedAt = SecondOfTheDay();
        Process host(install.Host(), L"/s");
        HWND run = WaitForWindow(kRunTitle, 20s);
        ASSERT_NE(run, nullptr);

        // Both files are complete when the renderer's window appears.
        HWND renderer = WaitForWindow(kRendererTitle, 60s);
        ASSERT_NE(renderer, nullptr);
        const snapshot::ReadResult screen = snapshot::ReadBmpFile(kDesktopSnapshot);
        ASSERT_EQ(screen.status, snapshot::ReadStatus::Loaded);
        EXPECT_EQ(screen.width, kWidth);
        EXPECT_EQ(screen.height, kHeight);
        EXPECT_EQ(PixelsUnlikeDesktop(screen.picture, variant), 0);
        const snapshot::ReadResult ring = snapshot::ReadBmpFile(kRingSnapshot);
        ASSERT_EQ(ring.status, snapshot::ReadStatus::Loaded);
        // The picture of a second from the host's start to the ring file's writing, none of
        // which shows midnight's: a host that reads no clock fails.
        std::set<int> rings;
        for (std::uint32_t second = startedAt, last = SecondWritten(kRingSnapshot); second % 86400 != (last + 1) % 86400; ++second) {
            rings.insert(RingPictureAt(second));
        }
        ASSERT_FALSE(rings.contains(RingPictureAt(0))) << "the host took too long to tell a clock from none";
        EXPECT_THAT(rings, ::testing::Contains(BuiltInRing(ring.picture).value_or(-1)));
        for (const fs::path& file : {kDesktopSnapshot, kRingSnapshot}) ExpectPrivate(file);
        if (variant == 1) {  // the first found none
            EXPECT_GT(fs::last_write_time(kRingSnapshot), previousRing);
        }
        previousRing = fs::last_write_time(kRingSnapshot);

        // Borderless over the whole screen, as large as the host wrote; its scene moves.
        RECT window{}, client{};
        GetWindowRect(renderer, &window);
        GetClientRect(renderer, &client);
        const RECT screenArea{0, 0, kWidth, kHeight};
        EXPECT_TRUE(EqualRect(&window, &screenArea) && EqualRect(&client, &screenArea));
        EXPECT_TRUE(SceneMoves());

        // Other keys, the mouse and a cancelled shutdown leave it running.
        for (WORD key : {WORD('A'), WORD(VK_SPACE), WORD(VK_RETURN), WORD(VK_F1), WORD(VK_SHIFT)}) {
            ASSERT_TRUE(TypeKey(renderer, key));
        }
        for (DWORD flags : {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP,
                            MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dx = input.mi.dy = 150;
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof input);
        }
        SendMessageW(run, WM_ENDSESSION, FALSE, 0);
        EXPECT_FALSE(host.WaitForExit(2s).has_value());
        EXPECT_EQ(FindWindowW(nullptr, kRendererTitle), renderer);

        EXPECT_EQ(EndWithEsc(renderer, host), 0u);
        // The photograph of the user's screen goes with the run; the ring picture stays.
        EXPECT_FALSE(fs::exists(kDesktopSnapshot));
        EXPECT_TRUE(fs::exists(kRingSnapshot));
    }
}

TEST_F(RunTest, SnapshotThatCannotBeWrittenDoesNotStopTheRun)
{
    fs::create_directories(kDesktopSnapshot);  // a folder: neither deleted nor written
    Install install(Renderer::Real);
    Process host(install.Host(), L"/s");
    HWND renderer = WaitForWindow(kRendererTitle, 60s);
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(snapshot::ReadBmpFile(kRingSnapshot).status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(EndWithEsc(renderer, host), 0u);
}

TEST_F(RunTest, SnapshotFilesPlantedBeforehandAreReplacedNeverWrittenThrough)
{
    Install install(Renderer::Real);
    fs::create_directories(kWorkDirectory);
    // The photograph's name: a second name of a file elsewhere that everybody may open.
    const fs::path elsewhere = install.Host().parent_path() / L"planted";
    PlantOpenFile(elsewhere);
    ASSERT_TRUE(CreateHardLinkW(kDesktopSnapshot.c_str(), elsewhere.c_str(), nullptr));
    ASSERT_THAT(AllowedSids(kDesktopSnapshot), ::testing::Contains(L"S-1-1-0"));  // the platform keeps access lists
    // The ring picture's name: a file held open so that it can be written but not deleted.
    PlantOpenFile(kRingSnapshot);
    const win32::UniqueFile held(
        CreateFileW(kRingSnapshot.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);

    Process host(install.Host(), L"/s");
    HWND renderer = WaitForWindow(kRendererTitle, 60s);
    ASSERT_NE(renderer, nullptr);
    ExpectPrivate(kDesktopSnapshot);
    EXPECT_EQ(snapshot::ReadBmpFile(kDesktopSnapshot).status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(fs::file_size(elsewhere), 7u) << "written through the photograph's name";
    EXPECT_EQ(fs::file_size(kRingSnapshot), 7u) << "written through the ring picture's name";
    EXPECT_EQ(EndWithEsc(renderer, host), 0u);
}

// Closed (the system's close to its window, which ends it with exit code 0) or killed, the host
// takes the renderer and the photograph with it.
TEST_F(RunTest, HostThatEndsTakesTheRendererAndThePhotographWithIt)
{
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "killed" : "closed");
        Install install(Renderer::Real);
        std::optional<Process> host(std::in_place, install.Host(), L"/s");
        HWND run = WaitForWindow(kRunTitle, 20s), renderer = WaitForWindow(kRendererTitle, 60s);
        ASSERT_TRUE(run && renderer);
        ASSERT_TRUE(SceneMoves());
        DWORD rendererId = 0;
        GetWindowThreadProcessId(renderer, &rendererId);
        Process rendererProcess(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, rendererId));
        ASSERT_TRUE(rendererProcess.Running() && fs::exists(kDesktopSnapshot));
        if (killed) {
            host.reset();  // terminated
        } else {
            PostMessageW(run, WM_CLOSE, 0, 0);
            EXPECT_EQ(host->WaitForExit(5s), 0u);
        }
        // Within the renderer's watch period the screen is given back and the photograph gone;
        // the process itself may take 2 s more: Wine with no window manager waits that long for
        // one to let go of a full-screen window.
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(renderer) && !fs::exists(kDesktopSnapshot); }, 2s))
            << "renderer shown: " << IsWindowVisible(renderer) << ", photograph kept: " << fs::exists(kDesktopSnapshot);
        EXPECT_TRUE(rendererProcess.WaitForExit(5s).has_value()) << "renderer still running";
    }
}

// When the session ends, the renderer may be ended any moment with no chance to clean up:
// here it is frozen, and the photograph must be gone when the host has had its say.
TEST_F(RunTest, EndingSessionTakesThePhotographAtOnce)
{
    Install install(Renderer::Real);
    Process host(install.Host(), L"/s");
    HWND run = WaitForWindow(kRunTitle, 20s), renderer = WaitForWindow(kRendererTitle, 60s);
    ASSERT_TRUE(run && renderer && fs::exists(kDesktopSnapshot));
    win32::UniqueHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(renderer, nullptr)));
    ASSERT_NE(SuspendThread(thread.get()), DWORD(-1));
    SendMessageW(run, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(fs::exists(kDesktopSnapshot));
    EXPECT_EQ(host.WaitForExit(30s), 0u);
}

// A screen that cannot be read (a secure desktop, no device context) still gives the tube
// a desktop picture of the screen's size: a black one.
TEST(ScreenCapture, UnreadableScreenGivesABlackPictureOfItsSize)
{
    const auto image = run::CaptureImage(nullptr, 33, 20);
    ASSERT_TRUE(image.has_value());
    const snapshot::PixelRows rows = image->Rows();
    EXPECT_EQ(std::pair(rows.width, rows.height), std::pair(33, 20));
    EXPECT_EQ(rows.bytes.size(), 100u * 20u);  // 99 bytes a row, padded to 100
    EXPECT_TRUE(std::all_of(rows.bytes.begin(), rows.bytes.end(), [](auto byte) { return byte == 0; }));
    // A side the picture format cannot hold gives no picture at all.
    const int kTooLong = snapshot::kMaxSide + 1;
    for (const auto& [width, height] : {std::pair(0, 20), std::pair(33, 0), std::pair(kTooLong, 1), std::pair(1, kTooLong)}) {
        EXPECT_FALSE(run::CaptureImage(nullptr, width, height).has_value()) << width << " x " << height;
    }
}

}  // namespace
}  // namespace wavorin::e2e
