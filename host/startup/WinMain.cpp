// Entry point of Wavorin.scr.

#include <windows.h>

#include "common/trace/StartupTrace.h"
#include "host/startup/StartHost.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    wavorin::trace::MarkStartupStep("host", "start");
    const auto window = wavorin::startup::StartHost(commandLine ? commandLine : L"");
    if (!window) return 0;

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
