#pragma once
// The window size the host recorded in the settings file before starting the renderer.

#include <cstdint>
#include <filesystem>

#include "common/contract/ProgramContract.h"

namespace wavorin::renderer {

struct WindowSize {
    std::int32_t width = 1024;
    std::int32_t height = 768;
};

// "Width" and "Height" of the settings file, read as the platform's profile reader reads
// whole numbers. Each side on its own: a missing file or key, 0, or text that is not a number
// gives 1024 x 768. Other values, negative ones too, go to window creation unchanged.
WindowSize ReadWindowSize(const std::filesystem::path& settingsFile = contract::kSettingsFile.c_str());

}  // namespace wavorin::renderer
