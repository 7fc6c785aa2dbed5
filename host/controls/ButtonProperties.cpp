#include "host/controls/ButtonProperties.h"

namespace wavorin::controls {

FontInfo InitialButtonFont()
{
    return FontInfo{"Verdana", 8.25, 400, 0, 0};
}

ButtonProperties ReadButtonProperties(const PropertyStore& store, const FontInfo& currentFont)
{
    const ButtonProperties defaults;
    ButtonProperties properties;
    properties.caption = store.ReadString("Caption", defaults.caption);
    properties.foreColor = store.ReadInt32("ForeColor", defaults.foreColor);
    properties.font = store.ReadFont("Font", currentFont);
    properties.focusRect = store.ReadBool("FocusRect", defaults.focusRect);
    properties.enabled = store.ReadBool("Enabled", defaults.enabled);
    return properties;
}

void WriteButtonProperties(PropertyStore& store, const ButtonProperties& properties)
{
    const ButtonProperties defaults;
    store.WriteString("Caption", properties.caption, defaults.caption);
    store.WriteBool("Enabled", properties.enabled, defaults.enabled);
    store.WriteInt("ForeColor", properties.foreColor, defaults.foreColor);
    store.WriteFont("Font", properties.font);
    store.WriteBool("FocusRect", properties.focusRect, defaults.focusRect);
}

}  // namespace wavorin::controls
