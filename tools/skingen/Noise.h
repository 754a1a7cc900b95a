#pragma once

#include <vector>

namespace lodrin::skingen {

// Smooth value noise in 0..1 that repeats every `period` pixels in x and y:
// random values on a cells x cells lattice, blended with a smooth step.
class TPeriodicNoise {
public:
    TPeriodicNoise(int cells, double period, unsigned seed);
    double At(double x, double y) const;

private:
    double Lattice(int i, int j) const;

    int Cells_;
    double Period_;
    std::vector<double> Values_;
};

// Three octaves of periodic noise (cells, 2 cells, 4 cells), weighted 4:2:1, in 0..1.
class TPeriodicFractal {
public:
    TPeriodicFractal(int cells, double period, unsigned seed);
    double At(double x, double y) const;

private:
    TPeriodicNoise Coarse_, Middle_, Fine_;
};

} // namespace lodrin::skingen
