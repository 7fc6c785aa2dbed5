#pragma once
// The screen size the renderer sizes its window by, recorded before each run.

namespace wavorin::settings {

// Writes the primary screen's width and height, as 16-bit numbers, to the settings file.
void RecordScreenSize();

}  // namespace wavorin::settings
