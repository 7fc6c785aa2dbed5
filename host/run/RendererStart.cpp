#include "host/run/RendererStart.h"

#include <windows.h>

#include "host/win32/Handles.h"

namespace wavorin::host {

bool StartRenderer(const std::wstring& path)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    win32::UniqueHandle process(started.hProcess), thread(started.hThread);
    return true;
}

}  // namespace wavorin::host
