#include "host/controls/WindowSubclasser.h"

#include <windows.h>
#include <commctrl.h>

namespace wavorin::controls {
namespace {

HWND WindowOf(const HookRecord& record)
{
    return reinterpret_cast<HWND>(record.window);
}

// The forwarding procedure: one subclass entry per record, identified by the record.
LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    const std::shared_ptr<HookRecord> record = reinterpret_cast<HookRecord*>(data)->shared_from_this();
    const WindowId id = reinterpret_cast<WindowId>(window);
    if (record->window != id) return DefSubclassProc(window, message, wParam, lParam);

    const LRESULT result = ForwardMessage(
        *record, id, message, wParam, lParam,
        [](WindowId target, std::uint32_t m, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
            return DefSubclassProc(reinterpret_cast<HWND>(target), m, w, l);
        });
    // The window is gone after this message: its hooks go with it, so that a later unhook
    // of the same handle value cannot touch another window.
    if (message == WM_NCDESTROY && record->window == id) record->registry->UnhookRecord(*record);
    return result;
}

}  // namespace

bool WindowSubclasser::Install(HookRecord& record)
{
    return SetWindowSubclass(WindowOf(record), &Forward, reinterpret_cast<UINT_PTR>(&record),
                             reinterpret_cast<DWORD_PTR>(&record)) != FALSE;
}

void WindowSubclasser::Remove(HookRecord& record)
{
    RemoveWindowSubclass(WindowOf(record), &Forward, reinterpret_cast<UINT_PTR>(&record));
}

}  // namespace wavorin::controls
