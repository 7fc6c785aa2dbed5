#pragma once
// The frame panel's nine properties: defaults, the setters' limits, and the stored form.

#include <cstdint>

#include "host/controls/Colour.h"
#include "host/controls/PropertyStore.h"

namespace wavorin::controls {

inline constexpr std::int32_t kSquareFrame = 1;
inline constexpr std::int32_t kRoundedFrame = 0;

struct FramePanelProperties {
    std::int32_t frameStyle = kSquareFrame;  // 0 rounded, 1 square, anything else no frame
    std::int16_t shadowOpacity = 50;         // percent
    bool showShadow = true;
    std::int16_t shadowDepth = 5;            // shadow offset and number of blend steps
    Colour fillColour = 0;
    Colour backColour = 0;
    std::int32_t backColourIs = 0;           // 0: the container's colour; else backColour
    Colour borderColour = 0;
    std::int16_t cornerDepth = 10;           // corner ellipse, rounded frames only

    friend bool operator==(const FramePanelProperties&, const FramePanelProperties&) = default;
};

// A new panel on a container whose background colour is `ambientBack`.
FramePanelProperties DefaultFramePanel(Colour ambientBack);

// What the setters store: opacity within 0..100, corner depth within 0..50, shadow depth
// within 2..50.
std::int16_t ClampShadowOpacity(int value);
std::int16_t ClampShadowDepth(int value);
std::int16_t ClampCornerDepth(int value);

// Reads the nine keys in their stored order, without the setters' limits, except for the
// two depths, which are held to the setters' ranges: the shadow's blend steps divide by its
// depth, and every step of either depth costs drawing time.
FramePanelProperties ReadFramePanel(const PropertyStore& store, Colour ambientBack);
void WriteFramePanel(PropertyStore& store, const FramePanelProperties& properties, Colour ambientBack);

// The colour the face is cleared to.
Colour FrameBackground(const FramePanelProperties& properties, Colour ambientBack);

}  // namespace wavorin::controls
