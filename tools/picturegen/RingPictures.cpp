#include "tools/picturegen/RingPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>

#include "tools/picturegen/TileNoise.h"

namespace wavorin::tools {
namespace {

struct Colour {
    double r, g, b;
};

Colour Mix(Colour a, Colour b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A colour ramp through evenly spaced stops.
Colour Ramp(const std::vector<Colour>& stops, double t)
{
    t = std::clamp(t, 0.0, 1.0) * double(stops.size() - 1);
    const std::size_t i = std::min(std::size_t(t), stops.size() - 2);
    return Mix(stops[i], stops[i + 1], t - double(i));
}

Colour Hue(double h)  // h in [0, 1): fully saturated rainbow colour
{
    const double r = std::clamp(std::fabs(h * 6 - 3) - 1, 0.0, 1.0);
    const double g = std::clamp(2 - std::fabs(h * 6 - 2), 0.0, 1.0);
    const double b = std::clamp(2 - std::fabs(h * 6 - 4), 0.0, 1.0);
    return {r * 255, g * 255, b * 255};
}

Colour Flames(double x, double y)
{
    static const TileNoise body(11, 3, 5), flicker(12, 4, 4);
    // Turbulence, pushed upwards by a second noise: folded noise gives the tongues of flame.
    const double lifted = std::fmod(y + 0.25 * flicker.At(x, y), 1.0);
    const double t = std::fabs(body.At(x, lifted) - 0.5) * 2;
    const double heat = std::clamp(0.95 - t * 1.5 + (flicker.At(x, y) - 0.5) * 0.6, 0.0, 1.0);
    return Ramp({{40, 0, 0}, {170, 20, 0}, {235, 80, 0}, {255, 160, 20}, {255, 230, 120}}, heat);
}

Colour Bubbles(double x, double y)
{
    struct Bubble {
        double x, y, radius, hue;
    };
    static const std::vector<Bubble> bubbles = [] {
        std::mt19937 random(21);
        std::uniform_real_distribution<double> unit(0, 1);
        std::vector<Bubble> list;
        for (int k = 0; k < 16; ++k) list.push_back({unit(random), unit(random), 0.06 + 0.08 * unit(random), unit(random)});
        return list;
    }();
    Colour c{10, 5, 30};
    for (const Bubble& b : bubbles) {
        double dx = std::fabs(x - b.x), dy = std::fabs(y - b.y);
        dx = std::min(dx, 1 - dx), dy = std::min(dy, 1 - dy);
        const double d = std::sqrt(dx * dx + dy * dy) / b.radius;
        if (d > 1.6) continue;
        // A bright rim, a faint inside and a glow around it.
        const double rim = std::exp(-std::pow((d - 0.9) / 0.12, 2));
        const double inside = d < 0.9 ? 0.25 + 0.35 * std::exp(-std::pow((d - 0.35) / 0.2, 2)) : 0.0;
        const double glow = 0.35 * std::exp(-std::pow((d - 1.0) / 0.3, 2));
        const Colour hue = Hue(b.hue);
        const double amount = std::min(1.0, rim + inside + glow);
        c = {c.r + hue.r * amount, c.g + hue.g * amount, c.b + hue.b * amount};
    }
    return c;
}

Colour Clouds(double x, double y)
{
    static const TileNoise sky(31, 1, 2), clouds(32, 3, 6);
    const Colour blue = Mix({40, 100, 210}, {110, 170, 245}, sky.At(x, y));
    const double cover = SmoothStep(0.47, 0.68, clouds.At(x, y));
    return Mix(blue, {250, 250, 252}, cover);
}

Colour Mottling(double x, double y)
{
    static const TileNoise pattern(41, 2, 5), shade(42, 4, 3);
    const double t = pattern.At(x, y);
    const Colour base = Ramp({{60, 150, 50}, {80, 170, 60}, {230, 140, 40}, {150, 70, 180}, {120, 50, 160}},
                             SmoothStep(0.25, 0.75, t));
    const double light = 0.75 + 0.5 * shade.At(x, y);
    return {base.r * light, base.g * light, base.b * light};
}

Colour Cells(double x, double y)
{
    static const TileCells cells(51, 18);
    const TileCells::Nearest n = cells.At(x, y);
    const double edge = n.second - n.first;  // 0 on the walls between cells
    const double shade = double(n.index) / double(cells.Count());
    const Colour inside = Mix({30, 20, 120}, {110, 40, 170}, shade);
    const Colour glowing = Mix(inside, {150, 160, 255}, std::exp(-n.first * 18));
    return Mix({220, 210, 255}, glowing, SmoothStep(0.0, 0.035, edge));
}

}  // namespace

std::vector<std::uint8_t> MakeRingPicture(int index)
{
    static const std::array<std::function<Colour(double, double)>, kRingPictureCount> kinds{
        Flames, Bubbles, Clouds, Mottling, Cells};
    const auto& kind = kinds.at(std::size_t(index));
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(kRingPictureSide * kRingPictureSide * 3));
    for (int row = 0; row < kRingPictureSide; ++row) {
        for (int column = 0; column < kRingPictureSide; ++column) {
            const Colour c = kind((column + 0.5) / kRingPictureSide, (row + 0.5) / kRingPictureSide);
            for (double channel : {c.r, c.g, c.b}) rgb.push_back(std::uint8_t(std::clamp(std::lround(channel), 0L, 255L)));
        }
    }
    return rgb;
}

}  // namespace wavorin::tools
