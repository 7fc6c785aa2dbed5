#include "renderer/win32/HostWatch.h"

#include <tlhelp32.h>

#include "common/contract/ProgramContract.h"
#include "common/files/HeldFolder.h"
#include "common/files/OwnNames.h"

namespace wavorin::renderer {
namespace {

DWORD ParentProcessId()
{
    const HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (list == INVALID_HANDLE_VALUE) return 0;
    const std::unique_ptr<void, decltype(&CloseHandle)> listOwner(list, &CloseHandle);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(list, &entry); more; more = Process32NextW(list, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) return entry.th32ParentProcessID;
    }
    return 0;
}

ULONGLONG CreationTime(HANDLE process)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (ULONGLONG(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

// The process that started this one, while it still runs. Its id may already belong to a
// process started since the parent ended: the parent is older than its child.
HostWatch::OwnedHandle HostWatch::OpenHost()
{
    const DWORD id = ParentProcessId();
    OwnedHandle process(id ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id) : nullptr);
    if (!process) return process;
    const ULONGLONG parentCreated = CreationTime(process.get());
    if (parentCreated == 0 || parentCreated >= CreationTime(GetCurrentProcess())) process.reset();
    return process;
}

HostWatch::HostWatch(HWND window) : window_(window), host_(OpenHost())
{
    if (host_) SetTimer(window_, reinterpret_cast<UINT_PTR>(this), kPeriodMs, OnTick);
}

HostWatch::~HostWatch()
{
    if (host_) KillTimer(window_, reinterpret_cast<UINT_PTR>(this));  // gone already with a destroyed window
}

void CALLBACK HostWatch::OnTick(HWND window, UINT, UINT_PTR self, DWORD)
{
    const auto* watch = reinterpret_cast<const HostWatch*>(self);
    if (WaitForSingleObject(watch->host_.get(), 0) != WAIT_OBJECT_0) return;
    KillTimer(window, self);
    // The host held the folder; now nobody does, and a link may have taken its place.
    if (const files::HeldFolder folder(contract::kWorkFolderW.c_str()); folder) {
        files::DeleteOwnName(contract::kDesktopSnapshotFileW.c_str());
    }
    ShowCursor(TRUE);
    DestroyWindow(window);
}

}  // namespace wavorin::renderer
