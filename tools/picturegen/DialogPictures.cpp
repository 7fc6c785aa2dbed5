#include "tools/picturegen/DialogPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace wavorin::tools {
namespace {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height) {}
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb& at(int x, int y) { return pixels_[std::size_t(y) * width_ + x]; }
    const Rgb& at(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

std::uint8_t Byte(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value * 255.0), 0L, 255L));
}

void Put16(Bytes& out, unsigned value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// BITMAPINFOHEADER of a bottom-up bitmap; `height` as the header states it.
void PutInfoHeader(Bytes& out, int width, int height, int bitCount, std::uint32_t imageSize, unsigned colours)
{
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, unsigned(bitCount));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

Bytes Bmp24(const Canvas& canvas)
{
    const int stride = (canvas.width() * 3 + 3) & ~3;
    const auto imageSize = std::uint32_t(stride) * std::uint32_t(canvas.height());
    Bytes out{'B', 'M'};
    Put32(out, 14 + 40 + imageSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    PutInfoHeader(out, canvas.width(), canvas.height(), 24, imageSize, 0);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb& p = canvas.at(x, y);
            out.push_back(Byte(p.b));
            out.push_back(Byte(p.g));
            out.push_back(Byte(p.r));
        }
        out.resize(out.size() + std::size_t(stride - canvas.width() * 3), 0);
    }
    return out;
}

// Coverage of a ring (an ellipse band) seen tilted by `tilt`, sampled 4 x 4 per pixel.
double RingCoverage(double x, double y, double cx, double cy, double radius, double tilt, double band)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4 - cx;
            const double py = y + (sy + 0.5) / 4 - cy;
            const double squash = std::max(std::abs(std::cos(tilt)), 0.12);
            const double d = std::hypot(px, py / squash);
            if (std::abs(d - radius) < band) ++inside;
        }
    }
    return inside / 16.0;
}

void DrawRingScene(Canvas& canvas, int x0, int y0, int width, int height, double phase)
{
    const double cx = x0 + width / 2.0, cy = y0 + height / 2.0;
    const double radius = height * 0.36;
    const double tilt = phase;  // one full turn over the loop
    const double sparkAngle = phase * 2.0;
    const double sparkX = cx + std::cos(sparkAngle) * width * 0.40;
    const double sparkY = cy + std::sin(sparkAngle) * height * 0.18;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            const double v = double(y - y0) / height;
            Rgb colour{0.02, 0.03 + 0.05 * v, 0.10 + 0.18 * v};  // night blue, lighter below
            const double ring = RingCoverage(x, y, cx, cy, radius, tilt, radius * 0.22);
            const Rgb gold{1.0, 0.86, 0.30};
            colour.r += (gold.r - colour.r) * ring * 0.85;
            colour.g += (gold.g - colour.g) * ring * 0.85;
            colour.b += (gold.b - colour.b) * ring * 0.85;
            const double spark = std::exp(-(std::pow(x + 0.5 - sparkX, 2) + std::pow(y + 0.5 - sparkY, 2)) / 10.0);
            colour.r += spark * 0.9;
            colour.g += spark * 0.95;
            colour.b += spark;
            canvas.at(x, y) = colour;
        }
    }
}

}  // namespace

Bytes MakeBannerStrip()
{
    Canvas canvas(kBannerWidth, kBannerHeight * kBannerFrames);
    for (int frame = 0; frame < kBannerFrames; ++frame) {
        const double phase = 2.0 * std::numbers::pi * frame / kBannerFrames;
        DrawRingScene(canvas, 0, frame * kBannerHeight, kBannerWidth, kBannerHeight, phase);
    }
    return Bmp24(canvas);
}

Bytes MakeOptionGlyph(bool selected)
{
    Canvas canvas(kGlyphSide, kGlyphSide);
    const double c = kGlyphSide / 2.0;
    for (int y = 0; y < kGlyphSide; ++y) {
        for (int x = 0; x < kGlyphSide; ++x) {
            double r = 0, g = 0, b = 0;
            for (int s = 0; s < 16; ++s) {
                const double d = std::hypot(x + (s % 4 + 0.5) / 4 - c, y + (s / 4 + 0.5) / 4 - c);
                Rgb p{224 / 255.0, 224 / 255.0, 224 / 255.0};
                if (d < 5.8) p = {0.36, 0.42, 0.55};           // rim
                if (d < 4.8) p = {1.0, 1.0, 1.0};              // face
                if (selected && d < 2.6) p = {0.10, 0.45, 0.15};  // the dot
                r += p.r;
                g += p.g;
                b += p.b;
            }
            canvas.at(x, y) = {r / 16, g / 16, b / 16};
        }
    }
    return Bmp24(canvas);
}

Bytes MakeIcon()
{
    constexpr int kSide = 32;
    Canvas canvas(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) canvas.at(x, y) = {};
    }
    DrawRingScene(canvas, 0, 0, kSide, kSide, 0.9);

    // Palette: a 6 x 6 x 6 colour cube, then 40 greys.
    std::array<Rgb, 256> palette{};
    for (int i = 0; i < 216; ++i) palette[i] = {(i / 36) / 5.0, (i / 6 % 6) / 5.0, (i % 6) / 5.0};
    for (int i = 216; i < 256; ++i) palette[i] = {(i - 216) / 39.0, (i - 216) / 39.0, (i - 216) / 39.0};
    auto nearest = [&](const Rgb& p) {
        int best = 0;
        double bestDistance = 1e9;
        for (int i = 0; i < 256; ++i) {
            const double d = std::pow(p.r - palette[i].r, 2) + std::pow(p.g - palette[i].g, 2) +
                             std::pow(std::min(p.b, 1.0) - palette[i].b, 2);
            if (d < bestDistance) bestDistance = d, best = i;
        }
        return std::uint8_t(best);
    };

    const std::uint32_t xorSize = kSide * kSide, andSize = kSide * 4;
    const std::uint32_t imageSize = 40 + 256 * 4 + xorSize + andSize;
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.push_back(kSide);
    out.push_back(kSide);
    out.push_back(0);  // 256 colours
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, imageSize);
    Put32(out, 6 + 16);
    PutInfoHeader(out, kSide, kSide * 2, 8, xorSize + andSize, 256);
    for (const Rgb& p : palette) {
        out.push_back(Byte(p.b));
        out.push_back(Byte(p.g));
        out.push_back(Byte(p.r));
        out.push_back(0);
    }
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; ++x) out.push_back(nearest(canvas.at(x, y)));
    }
    out.resize(out.size() + andSize, 0);  // fully opaque
    return out;
}

Bytes MakeBannerCursor()
{
    constexpr int kSide = 32;
    // 0 transparent, 1 black outline, 2 white fill.
    std::array<std::array<int, kSide>, kSide> shape{};
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x <= y * 10 / 16 && x < kSide; ++x) shape[y][x] = 2;
    }
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double d = std::hypot(x - 20.0, y - 21.0);
            if (d >= 3.0 && d <= 6.0) shape[y][x] = 2;
        }
    }
    // Outline every filled pixel's empty neighbours, so the cursor shows on any background.
    auto filled = shape;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (filled[y][x] != 0) continue;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < kSide && ny < kSide && filled[ny][nx] == 2) shape[y][x] = 1;
                }
            }
        }
    }

    const std::uint32_t maskSize = kSide * 4;
    const std::uint32_t imageSize = 40 + 8 + maskSize * 2;
    Bytes out;
    Put16(out, 0);
    Put16(out, 2);  // cursor
    Put16(out, 1);
    out.push_back(kSide);
    out.push_back(kSide);
    out.push_back(0);
    out.push_back(0);
    Put16(out, 0);  // hot spot x
    Put16(out, 0);  // hot spot y
    Put32(out, imageSize);
    Put32(out, 6 + 16);
    PutInfoHeader(out, kSide, kSide * 2, 1, maskSize * 2, 2);
    Put32(out, 0x000000);  // colour 0 black
    Put32(out, 0xFFFFFF);  // colour 1 white
    // XOR mask (the colours), then AND mask (1 = transparent), bottom row first.
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = kSide - 1; y >= 0; --y) {
            for (int byte = 0; byte < 4; ++byte) {
                std::uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int value = shape[y][byte * 8 + bit];
                    const bool set = pass == 0 ? value == 2 : value == 0;
                    if (set) bits |= std::uint8_t(0x80 >> bit);
                }
                out.push_back(bits);
            }
        }
    }
    return out;
}

}  // namespace wavorin::tools
