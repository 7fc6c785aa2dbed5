#include "renderer/WindowSize.h"

#include "common/ini/IniFile.h"
#include "common/ini/IniNames.h"

namespace wavorin::renderer {

WindowSize ReadWindowSize(const std::filesystem::path& settingsFile)
{
    return {ini::ReadDimension(settingsFile, ini::kSection, ini::kKeyWidth, ini::kDefaultWidth),
            ini::ReadDimension(settingsFile, ini::kSection, ini::kKeyHeight, ini::kDefaultHeight)};
}

}  // namespace wavorin::renderer
