#pragma once
// Runs the real programs under Wine and observes them as the system would: processes,
// exit codes, windows by title, the cursor, files in the work directory.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "host/win32/Handles.h"

namespace wavorin::e2e {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

inline const std::filesystem::path kWorkDirectory = L"C:\\vetsu_temp";
inline const std::filesystem::path kSettingsFile = kWorkDirectory / L"Wavorin.ini";
inline constexpr wchar_t kRunTitle[] = L"Wavorin_Main";
inline constexpr wchar_t kRendererTitle[] = L"Zelvane_VC";

// A folder holding a copy of the built Wavorin.scr and, if asked, a Wavorin.dll beside it.
class Install {
public:
    // Placeholder: a file that does not start; StandIn: a hidden window under the renderer's
    // title until it is closed (or KillRenderer).
    enum class Renderer { Missing, Placeholder, StandIn, Real };
    explicit Install(Renderer renderer);
    ~Install() { std::error_code ignored; std::filesystem::remove_all(folder_, ignored); }
    std::filesystem::path Host() const { return folder_ / L"Wavorin.scr"; }

private:
    std::filesystem::path folder_ = L"C:\\wavorin_e2e\\host";
};

// A program started as the system starts a screensaver, "<program>" arguments, or one
// already running; killed if still running at the end.
class Process {
public:
    Process(const std::filesystem::path& program, std::wstring_view arguments);
    explicit Process(HANDLE process) : process_(process) {}
    ~Process();
    bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    // The exit code, or nothing while it still runs after `timeout`.
    std::optional<DWORD> WaitForExit(milliseconds timeout);

private:
    win32::UniqueHandle process_;
};

// Waits for `condition`, keeping this thread's messages flowing.
bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout);
// A top-level window with exactly this title, hidden ones included.
HWND WaitForWindow(const wchar_t* title, milliseconds timeout);

// A key as the user types it: the window is brought to the front, the key goes through the
// system's input queue. False when the window never came to the front.
bool TypeKey(HWND window, WORD key);

// The cursor's display count as another program's thread sees it, once this thread's input
// is attached to that one's.
bool ShareInputWith(HWND windowOfOtherThread);
inline int CursorCount() { return ShowCursor(FALSE), ShowCursor(TRUE); }  // below 0: hidden

// A value of the settings file's section, read with the platform's profile function.
std::string SettingsValue(const char* key);
// Who a file's access list lets in, as SID strings, read back from the platform; and the
// SID string of this process's user.
std::vector<std::wstring> AllowedSids(const std::filesystem::path& file);
std::wstring CurrentUserSid();

// Ends the process of a renderer window that is still there.
void KillRenderer();

// Each test starts without a work directory and leaves no renderer behind.
class E2eTest : public ::testing::Test {
protected:
    void SetUp() override { std::error_code ignored; std::filesystem::remove_all(kWorkDirectory, ignored); }
    void TearDown() override { KillRenderer(); }
};

// A plain window of the test's own: a desktop to photograph, a preview pane, a window whose
// title another program looks for.
win32::UniqueWindow OpenWindow(const wchar_t* title, DWORD style, RECT area = {40, 40, 50, 50});

}  // namespace wavorin::e2e
