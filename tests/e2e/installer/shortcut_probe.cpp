// Prints what a shortcut starts, as the shell reads it: "<target>|<arguments>".
// Usage: shortcut_probe.exe <file.lnk>
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>

int wmain(int count, wchar_t** arguments)
{
    if (count < 2 || FAILED(CoInitialize(nullptr))) return 2;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {}, parameters[1024] = {};
    bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(arguments[1], STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetArguments(parameters, 1024));
    if (read) {
        char text[4096];
        const int length = WideCharToMultiByte(CP_UTF8, 0, target, -1, text, sizeof text, nullptr, nullptr);
        text[length > 0 ? length - 1 : 0] = '|';
        WideCharToMultiByte(CP_UTF8, 0, parameters, -1, text + (length > 0 ? length : 1), sizeof text - 2048, nullptr, nullptr);
        std::printf("%s\n", text);
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return read ? 0 : 1;
}
