#include "host/settings/Program.h"

#include "common/contract/ProgramContract.h"
#include "host/settings/SettingsLoader.h"
#include "host/win32/ModulePath.h"

namespace wavorin::settings {

std::wstring ProgramFolder() { return FolderOf(win32::ProgramPath()); }

std::wstring RendererPath() { return ProgramFolder() + L"\\" + contract::kRendererFileNameW.c_str(); }

}  // namespace wavorin::settings
