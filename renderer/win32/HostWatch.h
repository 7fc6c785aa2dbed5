#pragma once
// Ends the renderer with the host that started it. A host that is killed or closed while
// the renderer runs leaves nobody to take the full-screen window away or to delete the
// photograph of the user's screen: the renderer then does both itself.

#include <windows.h>

#include <memory>

namespace wavorin::renderer {

class HostWatch {
public:
    // Looks at the process that started this one every kPeriodMs while `window` lives,
    // through the window's own timer; when it has ended, deletes the photograph, shows the
    // cursor again and destroys the window. A renderer started by hand from a program that
    // has already ended watches nothing and just runs.
    explicit HostWatch(HWND window);
    ~HostWatch();
    HostWatch(const HostWatch&) = delete;  // the timer's id is this object's address
    HostWatch& operator=(const HostWatch&) = delete;

    static constexpr UINT kPeriodMs = 250;

private:
    static void CALLBACK OnTick(HWND window, UINT message, UINT_PTR self, DWORD time);

    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    using OwnedHandle = std::unique_ptr<void, HandleCloser>;
    static OwnedHandle OpenHost();

    HWND window_;
    OwnedHandle host_;  // opened for waiting only; empty: nothing to watch
};

}  // namespace wavorin::renderer
