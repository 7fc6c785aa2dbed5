#include "tools/picturegen/TileNoise.h"

#include <cmath>
#include <limits>
#include <random>

namespace wavorin::tools {
namespace {

double Smooth(double t) { return t * t * (3 - 2 * t); }
int Wrap(int i, int period) { return ((i % period) + period) % period; }

// Shortest distance between two coordinates on a circle of circumference 1.
double WrappedDelta(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 1 - d);
}

}  // namespace

TileNoise::TileNoise(std::uint32_t randomStart, int basePeriod, int octaves)
    : basePeriod_(basePeriod), octaves_(octaves)
{
    std::mt19937 random(randomStart);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int octave = 0; octave < octaves; ++octave) {
        const int period = basePeriod << octave;
        std::vector<double> lattice(std::size_t(period) * std::size_t(period));
        for (double& value : lattice) value = unit(random);
        values_.push_back(std::move(lattice));
    }
}

double TileNoise::Lattice(int octave, int i, int j) const
{
    const int period = basePeriod_ << octave;
    return values_[std::size_t(octave)][std::size_t(Wrap(j, period) * period + Wrap(i, period))];
}

double TileNoise::At(double x, double y) const
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < octaves_; ++octave) {
        const int period = basePeriod_ << octave;
        const double u = x * period, v = y * period;
        const int i = int(std::floor(u)), j = int(std::floor(v));
        const double fu = Smooth(u - i), fv = Smooth(v - j);
        const double top = Lattice(octave, i, j) * (1 - fu) + Lattice(octave, i + 1, j) * fu;
        const double bottom = Lattice(octave, i, j + 1) * (1 - fu) + Lattice(octave, i + 1, j + 1) * fu;
        sum += amplitude * (top * (1 - fv) + bottom * fv);
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

TileCells::TileCells(std::uint32_t randomStart, int count)
{
    std::mt19937 random(randomStart);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int k = 0; k < count; ++k) points_.emplace_back(unit(random), unit(random));
}

TileCells::Nearest TileCells::At(double x, double y) const
{
    Nearest nearest{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0};
    for (int k = 0; k < Count(); ++k) {
        const double dx = WrappedDelta(x, points_[std::size_t(k)].first);
        const double dy = WrappedDelta(y, points_[std::size_t(k)].second);
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < nearest.first) {
            nearest.second = nearest.first;
            nearest.first = d;
            nearest.index = k;
        } else if (d < nearest.second) {
            nearest.second = d;
        }
    }
    return nearest;
}

}  // namespace wavorin::tools
