#include "host/run/RendererStart.h"

#include <windows.h>

namespace wavorin::run {

win32::UniqueHandle StartRenderer(const std::wstring& path)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return {};
    }
    win32::UniqueHandle thread(started.hThread);
    return win32::UniqueHandle(started.hProcess);
}

}  // namespace wavorin::run
