#pragma once

#include "PathFinder/FinderGrid.h"

#include <array>
#include <cstdint>

namespace lodrin::finder {

// Answers a go-through test like the pass test does (same success, same number
// of pushes or pulls), but decides each step by a breadth-first search from both
// ends at once: a failing step costs no more than the smaller side it explores.
// It can also hand out the squares a success relies on.
class TPassProbe {
public:
    // How going through ended.
    struct Outcome {
        bool Passed = false;
        int Pushes = 0; // pushes or pulls of the step that succeeded
    };

    // Squares a success relies on being free: the line the box and keeper use and
    // the walk around the box. Size -1 when they did not fit.
    struct Witness {
        std::int16_t* Squares = nullptr;
        int Capacity = 0;
        int Size = -1;
    };

    // Going through the box beside inner square x in direction k: forward the box
    // stands on x - d and the keeper comes from x - 2d; reverse the box stands on
    // x + d and the keeper on x + 2d. The box is lifted for the test and put back.
    Outcome Probe(TFinderGrid& grid, PlayMode mode, int x, int k, Witness* witness = nullptr);

private:
    bool Connected(const TFinderGrid& grid, int from, int to, int avoid);
    void WriteWitness(int box, int d, int pushes, int from, int to, Witness& witness) const;
    std::uint32_t NextStamp();

    std::array<std::uint32_t, GridCells> Visit_{};
    std::array<std::int16_t, GridCells> Parent_;
    std::array<int, QueueLimit> FromQueue_;
    std::array<int, QueueLimit> ToQueue_;
    std::uint32_t Stamp_ = 0;
    int MeetFrom_ = -1; // last square of the 'from' side where the two searches met
    int MeetTo_ = -1;
};

} // namespace lodrin::finder
