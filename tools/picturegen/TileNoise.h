#pragma once
// Noise that repeats every tile, so pictures made from it wrap seamlessly around a torus.

#include <cstdint>
#include <vector>

namespace wavorin::tools {

// Fractal value noise in [0, 1] on a tile of side 1: octaves of lattice noise whose
// lattices divide the tile evenly.
class TileNoise {
public:
    TileNoise(std::uint32_t randomStart, int basePeriod, int octaves);
    double At(double x, double y) const;  // x, y in [0, 1)

private:
    double Lattice(int octave, int i, int j) const;
    int basePeriod_;
    int octaves_;
    std::vector<std::vector<double>> values_;  // one lattice per octave
};

// Distances to the nearest and second-nearest of `count` points scattered over the tile,
// measured across the tile's wrap; also the index of the nearest point.
class TileCells {
public:
    TileCells(std::uint32_t randomStart, int count);
    struct Nearest {
        double first, second;
        int index;
    };
    Nearest At(double x, double y) const;
    int Count() const { return int(points_.size()); }

private:
    std::vector<std::pair<double, double>> points_;
};

}  // namespace wavorin::tools
