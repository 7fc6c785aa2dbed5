#include "renderer/win32/WindowSize.h"

#include <windows.h>

namespace wavorin::renderer {
namespace {

constexpr char kSettingsFile[] = "C:\\vetsu_temp\\Wavorin.ini";

std::int32_t ReadSide(const char* key, std::int32_t fallback)
{
    const UINT value = GetPrivateProfileIntA("Section", key, fallback, kSettingsFile);
    return value != 0 ? static_cast<std::int32_t>(value) : fallback;
}

}  // namespace

WindowSize ReadWindowSize() { return {ReadSide("Width", 1024), ReadSide("Height", 768)}; }

}  // namespace wavorin::renderer
