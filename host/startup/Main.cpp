#include "host/startup/Main.h"

#include <windows.h>

#include <string>

#include "common/ini/IniNames.h"
#include "host/dialog/SettingsDialog.h"
#include "host/run/RunWindow.h"
#include "host/startup/CommandLine.h"
#include "host/startup/PreviewWindow.h"
#include "host/startup/Settings.h"
#include "host/startup/Titles.h"
#include "host/win32/ModulePath.h"
#include "host/win32/SettingsFile.h"

namespace wavorin::host {
namespace {

bool AnotherInstanceIsOpen()
{
    // Hidden windows count: the run window is never shown.
    return FindWindowW(nullptr, kRunWindowTitle) || FindWindowW(nullptr, kSettingsDialogTitle);
}

std::unique_ptr<win32::Window> StartPreview(std::wstring_view commandLine)
{
    const HWND parent = reinterpret_cast<HWND>(PreviewParentOf(commandLine));
    auto preview = std::make_unique<PreviewWindow>();
    if (!preview->Create()) return nullptr;
    preview->EmbedInto(parent);
    return preview;
}

// The renderer reads the screen size from the settings file when it starts.
void RecordScreenSize()
{
    const auto width = static_cast<short>(GetSystemMetrics(SM_CXSCREEN));
    const auto height = static_cast<short>(GetSystemMetrics(SM_CYSCREEN));
    WriteIni(ini::kSection, ini::kKeyWidth, std::to_string(width), kSettingsFile);
    WriteIni(ini::kSection, ini::kKeyHeight, std::to_string(height), kSettingsFile);
}

}  // namespace

std::unique_ptr<win32::Window> Main(std::wstring_view commandLine)
{
    if (AnotherInstanceIsOpen()) return nullptr;

    const StartMode mode = ModeOf(commandLine);
    if (mode == StartMode::Preview) return StartPreview(commandLine);

    CreateDirectoryW(kWorkDirectory, nullptr);  // usually exists already
    MusicSettings settings = LoadSettings(SettingsFileSource());

    if (!FileExists(win32::ProgramFolder() + kRendererFileName)) {
        MessageBoxW(nullptr, kRendererMissingMessage, kProgramTitle, MB_OK);
        return nullptr;
    }

    switch (mode) {
    case StartMode::Settings: {
        // Shown on its own; the program ends when it closes.
        auto dialog = std::make_unique<dialog::SettingsDialog>(std::move(settings));
        if (!dialog->Create()) return nullptr;
        return dialog;
    }
    case StartMode::Other:
        return nullptr;
    case StartMode::Screensaver:
        ShowCursor(FALSE);
        break;
    default:
        break;
    }

    RecordScreenSize();
    const bool restoreCursor = mode == StartMode::Screensaver;
    auto run = std::make_unique<RunWindow>(std::move(settings), restoreCursor);
    if (!run->Create()) {
        if (restoreCursor) ShowCursor(TRUE);
        return nullptr;
    }
    return run;
}

}  // namespace wavorin::host
