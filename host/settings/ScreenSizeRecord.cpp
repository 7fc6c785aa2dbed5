#include "host/settings/ScreenSizeRecord.h"

#include <windows.h>

#include <string>

#include "common/ini/IniNames.h"
#include "host/settings/SettingsFile.h"

namespace wavorin::settings {

void RecordScreenSize()
{
    const auto width = static_cast<short>(GetSystemMetrics(SM_CXSCREEN));
    const auto height = static_cast<short>(GetSystemMetrics(SM_CYSCREEN));
    const std::wstring file = contract::kSettingsFileW.c_str();
    WriteIni(ini::kSection, ini::kKeyWidth, std::to_string(width), file);
    WriteIni(ini::kSection, ini::kKeyHeight, std::to_string(height), file);
}

}  // namespace wavorin::settings
