#pragma once
// Zelvane_S: the invisible window that carries one screensaver run and ends the program
// when the renderer's window is gone.

#include "host/startup/Settings.h"
#include "host/win32/Window.h"

namespace wavorin::host {

class RunWindow final : public win32::Window {
public:
    // `restoreCursor`: the run was started with /s, which hid the cursor.
    RunWindow(MusicSettings settings, bool restoreCursor);
    // Creates the window hidden; its load handler runs before this returns.
    bool Create();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Form_Load();
    void Timer3_Timer();
    void Form_QueryUnload();

    MusicSettings settings_;
    bool restoreCursor_;
    bool unloading_ = false;
};

}  // namespace wavorin::host
