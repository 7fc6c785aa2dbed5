#include "host/startup/StartHost.h"

#include <windows.h>

#include "common/contract/ProgramContract.h"
#include "host/dialog/SettingsDialog.h"
#include "host/preview/PreviewWindow.h"
#include "host/run/RunWindow.h"
#include "host/settings/Program.h"
#include "host/settings/ScreenSizeRecord.h"
#include "host/settings/SettingsFile.h"
#include "host/settings/SettingsLoader.h"
#include "host/startup/CommandLine.h"

namespace wavorin::startup {
namespace {

constexpr auto kRendererMissingMessage = contract::Join(contract::kRendererFileNameW, L" が同じﾌｫﾙﾀﾞ内に見つかりません！");

bool AnotherInstanceIsOpen()
{
    // Hidden windows count: the run window is never shown.
    return FindWindowW(nullptr, run::kRunWindowTitle) || FindWindowW(nullptr, dialog::kSettingsDialogTitle);
}

std::unique_ptr<win32::Window> StartPreview(std::wstring_view commandLine)
{
    const HWND parent = reinterpret_cast<HWND>(PreviewParentOf(commandLine));
    auto preview = std::make_unique<preview::PreviewWindow>();
    if (!preview->Create()) return nullptr;
    preview->EmbedInto(parent);
    return preview;
}

}  // namespace

std::unique_ptr<win32::Window> StartHost(std::wstring_view commandLine)
{
    if (AnotherInstanceIsOpen()) return nullptr;

    const StartMode mode = ModeOf(commandLine);
    if (mode == StartMode::Preview) return StartPreview(commandLine);

    CreateDirectoryW(contract::kWorkFolderW.c_str(), nullptr);  // usually exists already
    settings::MusicSettings settings = settings::LoadSettings(settings::SettingsFileSource());

    if (!settings::FileExists(settings::RendererPath())) {
        MessageBoxW(nullptr, kRendererMissingMessage.c_str(), settings::kProgramTitle, MB_OK);
        return nullptr;
    }

    if (mode == StartMode::Other) return nullptr;
    if (mode == StartMode::Settings) {
        // Modal to the window that asked for it, if that still exists; the program ends when
        // it closes.
        const HWND caller = reinterpret_cast<HWND>(CallerWindowOf(commandLine));
        auto dialog = std::make_unique<dialog::SettingsDialog>(std::move(settings), 0, caller);
        if (!dialog->Create()) return nullptr;
        return dialog;
    }

    // A run: the system's /s.
    ShowCursor(FALSE);
    settings::RecordScreenSize();
    auto run = std::make_unique<run::RunWindow>(std::move(settings));
    if (!run->Create()) {
        ShowCursor(TRUE);
        return nullptr;
    }
    return run;
}

}  // namespace wavorin::startup
