#include "host/controls/FramePanelProperties.h"

#include <algorithm>

namespace wavorin::controls {
namespace {

constexpr int kShadowDepthMinimum = 2;
constexpr int kShadowDepthMaximum = 50;

}  // namespace

FramePanelProperties DefaultFramePanel(Colour ambientBack)
{
    FramePanelProperties properties;
    properties.fillColour = ambientBack;
    properties.backColour = ambientBack;
    return properties;
}

std::int16_t ClampShadowOpacity(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, 0, 100));
}

std::int16_t ClampShadowDepth(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, kShadowDepthMinimum, kShadowDepthMaximum));
}

std::int16_t ClampCornerDepth(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, 0, 50));
}

FramePanelProperties ReadFramePanel(const PropertyStore& store, Colour ambientBack)
{
    const FramePanelProperties defaults = DefaultFramePanel(ambientBack);
    FramePanelProperties properties;
    properties.frameStyle = store.ReadInt32("FrameStyle", defaults.frameStyle);
    properties.shadowOpacity = store.ReadInt16("ShadowOpacity", defaults.shadowOpacity);
    properties.showShadow = store.ReadBool("ShowShadow", defaults.showShadow);
    properties.shadowDepth = ClampShadowDepth(store.ReadInt16("ShadowDepth", defaults.shadowDepth));
    properties.fillColour = store.ReadInt32("FillColour", defaults.fillColour);
    properties.backColour = store.ReadInt32("BackColour", defaults.backColour);
    properties.backColourIs = store.ReadInt32("BackColourIs", defaults.backColourIs);
    properties.borderColour = store.ReadInt32("BorderColour", defaults.borderColour);
    properties.cornerDepth = ClampCornerDepth(store.ReadInt16("CornerDepth", defaults.cornerDepth));
    return properties;
}

void WriteFramePanel(PropertyStore& store, const FramePanelProperties& properties, Colour ambientBack)
{
    const FramePanelProperties defaults = DefaultFramePanel(ambientBack);
    store.WriteInt("FrameStyle", properties.frameStyle, defaults.frameStyle);
    store.WriteInt("ShadowOpacity", properties.shadowOpacity, defaults.shadowOpacity);
    store.WriteBool("ShowShadow", properties.showShadow, defaults.showShadow);
    store.WriteInt("ShadowDepth", properties.shadowDepth, defaults.shadowDepth);
    store.WriteInt("FillColour", properties.fillColour, defaults.fillColour);
    store.WriteInt("BackColour", properties.backColour, defaults.backColour);
    store.WriteInt("BackColourIs", properties.backColourIs, defaults.backColourIs);
    store.WriteInt("BorderColour", properties.borderColour, defaults.borderColour);
    store.WriteInt("CornerDepth", properties.cornerDepth, defaults.cornerDepth);
}

Colour FrameBackground(const FramePanelProperties& properties, Colour ambientBack)
{
    return properties.backColourIs == 0 ? ambientBack : properties.backColour;
}

}  // namespace wavorin::controls
