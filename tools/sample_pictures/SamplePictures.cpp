#include "tools/sample_pictures/SamplePictures.h"

#include <algorithm>
#include <cmath>

namespace wavorin::tools {
namespace {

using snapshot::Rgb;

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)); }

Rgb Mix(Rgb a, Rgb b, double amount)
{
    return {Channel(a.r + (b.r - a.r) * amount), Channel(a.g + (b.g - a.g) * amount),
            Channel(a.b + (b.b - a.b) * amount)};
}

void FillRect(snapshot::Picture& picture, int left, int top, int width, int height, Rgb colour)
{
    const int right = std::min(left + width, picture.width), bottom = std::min(top + height, picture.height);
    for (int y = std::max(top, 0); y < bottom; ++y) {
        for (int x = std::max(left, 0); x < right; ++x) snapshot::SetPixel(picture, x, y, colour);
    }
}

}  // namespace

snapshot::Picture MakeDesktopPicture(std::int32_t width, std::int32_t height)
{
    snapshot::Picture picture = snapshot::MakePicture(width, height);
    const double w = width, h = height;
    const Rgb deep{10, 40, 110}, light{70, 140, 220};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = (x - 0.62 * w) / w, dy = (y - 0.35 * h) / h;
            const double glow = std::exp(-(dx * dx + dy * dy) * 6.0);
            snapshot::SetPixel(picture, x, y, Mix(deep, light, glow));
        }
    }

    const int unit = std::max(1, height / 48);  // about 16 pixels on a 768-line screen
    for (int i = 0; i < 5; ++i) {               // icons down the left side
        const int top = unit + i * 5 * unit;
        FillRect(picture, unit, top, 3 * unit, 3 * unit, i % 2 ? Rgb{240, 200, 60} : Rgb{230, 230, 235});
        FillRect(picture, unit / 2, top + 3 * unit + unit / 3, 4 * unit, unit / 2, Rgb{235, 235, 240});
    }

    const int left = width / 5, top = height / 6, windowWidth = width / 2, windowHeight = height / 2;
    FillRect(picture, left + unit / 2, top + unit / 2, windowWidth, windowHeight, Rgb{5, 20, 60});  // shadow
    FillRect(picture, left, top, windowWidth, windowHeight, Rgb{245, 245, 245});
    for (int x = 0; x < windowWidth; ++x) {
        FillRect(picture, left + x, top, 1, 2 * unit, Mix(Rgb{0, 60, 200}, Rgb{90, 150, 240}, double(x) / windowWidth));
    }
    FillRect(picture, left + windowWidth - 2 * unit, top + unit / 3, 3 * unit / 2, 4 * unit / 3, Rgb{220, 70, 50});
    for (int line = 0; line < 12; ++line) {  // text
        const int length = windowWidth * (5 + (line * 7) % 4) / 10;
        FillRect(picture, left + unit, top + 3 * unit + line * 3 * unit / 2, length, unit / 2, Rgb{60, 60, 70});
    }

    FillRect(picture, 0, height - 2 * unit, width, 2 * unit, Rgb{40, 80, 200});  // taskbar
    FillRect(picture, 0, height - 2 * unit, 6 * unit, 2 * unit, Rgb{60, 160, 60});
    FillRect(picture, width - 6 * unit, height - 2 * unit, 6 * unit, 2 * unit, Rgb{20, 130, 220});
    return picture;
}

snapshot::Picture MakeSampleRingPicture(std::int32_t size)
{
    snapshot::Picture picture = snapshot::MakePicture(size, size);
    const double turn = 2.0 * 3.14159265358979 / size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Whole waves per side keep the edges seamless.
            const double u = x * turn, v = y * turn;
            const double flame = 0.5 + 0.25 * std::sin(3 * u + 2 * std::sin(2 * v)) + 0.15 * std::sin(5 * v + 3 * u) +
                                 0.1 * std::sin(7 * u - 4 * v + std::sin(3 * u));
            const double heat = std::clamp(flame, 0.0, 1.0);
            snapshot::SetPixel(picture, x, y, {Channel(120 + 135 * heat), Channel(255 * heat * heat * 0.85), Channel(30 * heat * heat * heat)});
        }
    }
    return picture;
}

}  // namespace wavorin::tools
