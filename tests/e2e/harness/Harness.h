#pragma once
// Runs the real programs under Wine and observes them as the system would: processes,
// exit codes, windows by title, files in the work directory.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "host/win32/Handles.h"

namespace wavorin::e2e {

using std::chrono::milliseconds;

inline const std::filesystem::path kWorkDirectory = L"C:\\vetsu_temp";
inline const std::filesystem::path kSettingsFile = L"C:\\vetsu_temp\\Wavorin.ini";

// A program of the build's bin/ folder (the test programs live beside it, in tests/).
std::filesystem::path BuiltProgram(std::wstring_view fileName);

// A folder of its own holding a copy of Wavorin.scr and, if asked, a Wavorin.dll beside it.
class Install {
public:
    enum class Renderer { Missing, Placeholder, Real };
    Install(std::wstring_view name, Renderer renderer);
    Install(const Install&) = delete;
    Install& operator=(const Install&) = delete;
    ~Install();
    std::filesystem::path Host() const { return folder_ / L"Wavorin.scr"; }
    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

struct ProcessOptions {
    std::wstring environment;              // "NAME=value" added to ours, e.g. a Wine trace
    std::filesystem::path standardError;   // where its standard error goes, if given
};

class Process {
public:
    // Starts `program` with the command line "<program>" arguments, as the system starts a
    // screensaver.
    Process(const std::filesystem::path& program, std::wstring_view arguments, const ProcessOptions& options = {});
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();  // a process still running is killed

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    // The exit code, or nothing if the process is still running after `timeout`. Keeps
    // this thread's messages flowing while it waits.
    std::optional<DWORD> WaitForExit(milliseconds timeout);
    bool Running() const;

private:
    win32::UniqueHandle process_;
    DWORD id_ = 0;
};

// The cursor's display count as another program's thread sees it. Attaching our input to
// that thread's shares the count; it stays shared after that thread ends, so the count the
// program left behind can be read after it exits.
class SharedInput {
public:
    explicit SharedInput(HWND windowOfOtherThread);
    bool Attached() const { return attached_; }
    int CursorCount() const;  // below 0: hidden

private:
    bool attached_ = false;
};

// Keys as the user types them: the window is brought to the front, and the key goes
// through the system's input queue.
bool BringToFront(HWND window);
void TypeKey(HWND window, WORD key);

// Waits for `condition` while pumping this thread's messages.
bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout);

// A top-level window with exactly this title, hidden ones included.
HWND FindTopLevelWindow(std::wstring_view title);
HWND WaitForWindow(std::wstring_view title, milliseconds timeout);

// Removes the work directory and everything in it.
void RemoveWorkDirectory();

// A value of the settings file's section, read with the platform's profile function.
std::string SettingsValue(std::string_view key);

// The text of a message box with this caption, once one appears; the box stays open.
std::optional<std::wstring> WaitForMessageBoxText(std::wstring_view caption, milliseconds timeout);
void CloseMessageBox(std::wstring_view caption);

// A plain visible window owned by the test, for instance a preview pane or a window whose
// title another program looks for.
class TestWindow {
public:
    TestWindow(std::wstring_view title, DWORD style, int width, int height);
    HWND hwnd() const { return window_.get(); }
    void Destroy() { window_.reset(); }

private:
    win32::UniqueWindow window_;
};

}  // namespace wavorin::e2e
