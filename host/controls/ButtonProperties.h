#pragma once
// The XP-style button's stored properties: keys, defaults and the order they are kept in.

#include <string>

#include "host/controls/Colour.h"
#include "host/controls/PropertyStore.h"

namespace wavorin::controls {

struct ButtonProperties {
    std::string caption = "&OK";  // UTF-8
    bool enabled = true;
    Colour foreColor = 0;
    FontInfo font;
    bool focusRect = true;
};

// The font a button starts with: Verdana, 8.25 points, normal weight, ANSI character set.
FontInfo InitialButtonFont();

// Reads "Caption", "ForeColor", "Font", "FocusRect", "Enabled" (the order the button applies
// them in); a missing font keeps `currentFont`.
ButtonProperties ReadButtonProperties(const PropertyStore& store, const FontInfo& currentFont);

// Writes "Caption", "Enabled", "ForeColor", "Font", "FocusRect"; the font is always stored.
void WriteButtonProperties(PropertyStore& store, const ButtonProperties& properties);

}  // namespace wavorin::controls
