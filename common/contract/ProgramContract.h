#pragma once
// Everything the host (Wavorin.scr) and the renderer (Wavorin.dll) agree on without talking:
// the fixed work folder, the settings file in it, the two snapshot pictures the host writes
// before it starts the renderer, the renderer's file name and the window title the host
// watches for. Change any of them and the other program no longer finds its partner.

#include "common/contract/FixedText.h"

namespace wavorin::contract {

inline constexpr char kWorkFolder[] = "C:\\vetsu_temp";

// Width and Height of the screen, recorded by the host, read by the renderer; the music keys.
inline constexpr auto kSettingsFile = Join(kWorkFolder, "\\Wavorin.ini");

// The ring picture chosen for the run, and the photograph of the desktop.
inline constexpr auto kRingSnapshotFile = Join(kWorkFolder, "\\Zelvane1.alo");
inline constexpr auto kDesktopSnapshotFile = Join(kWorkFolder, "\\Zelvane2.alo");

// The renderer program, in the host's own folder.
inline constexpr char kRendererFileName[] = "Wavorin.dll";

// The renderer's window class and title both: the host knows the renderer is up by it.
inline constexpr char kRendererWindowName[] = "Zelvane_VC";

// The same names for the host's wide-character calls.
inline constexpr auto kWorkFolderW = Widen(kWorkFolder);
inline constexpr auto kSettingsFileW = Widen(kSettingsFile);
inline constexpr auto kRingSnapshotFileW = Widen(kRingSnapshotFile);
inline constexpr auto kDesktopSnapshotFileW = Widen(kDesktopSnapshotFile);
inline constexpr auto kRendererFileNameW = Widen(kRendererFileName);
inline constexpr auto kRendererWindowNameW = Widen(kRendererWindowName);

}  // namespace wavorin::contract
