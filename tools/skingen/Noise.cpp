#include "Noise.h"

#include <cmath>
#include <random>

namespace lodrin::skingen {

TPeriodicNoise::TPeriodicNoise(int cells, double period, unsigned seed)
    : Cells_(cells), Period_(period), Values_(static_cast<std::size_t>(cells * cells)) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (double& v : Values_) {
        v = unit(rng);
    }
}

double TPeriodicNoise::Lattice(int i, int j) const {
    const int wi = ((i % Cells_) + Cells_) % Cells_;
    const int wj = ((j % Cells_) + Cells_) % Cells_;
    return Values_[static_cast<std::size_t>(wj * Cells_ + wi)];
}

double TPeriodicNoise::At(double x, double y) const {
    const double u = x / Period_ * Cells_;
    const double v = y / Period_ * Cells_;
    const int i = static_cast<int>(std::floor(u));
    const int j = static_cast<int>(std::floor(v));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fu = smooth(u - i);
    const double fv = smooth(v - j);
    const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * fu;
    const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * fu;
    return top + (bottom - top) * fv;
}

TPeriodicFractal::TPeriodicFractal(int cells, double period, unsigned seed)
    : Coarse_(cells, period, seed), Middle_(cells * 2, period, seed + 1),
      Fine_(cells * 4, period, seed + 2) {}

double TPeriodicFractal::At(double x, double y) const {
    return (4 * Coarse_.At(x, y) + 2 * Middle_.At(x, y) + Fine_.At(x, y)) / 7;
}

} // namespace lodrin::skingen
