// The fast finder against the straightforward one on many random boards: the
// same marks and the same moves, and every move sequence legal when replayed.

#include "PathFinder/PathFinder.h"
#include "board/Lurd.h"
#include "board/TrialCode.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace lodrin {
namespace {

struct RandomBoard {
    int Cols = 0;
    int Rows = 0;
    std::vector<TrialCode> Cells;
    int Keeper = -1;
    std::vector<int> Boxes;
};

// Walls, boxes and floor at the given densities, goals and empty squares mixed in,
// one keeper on a random free square; sometimes framed by walls.
RandomBoard MakeBoard(std::mt19937& rng, int cols, int rows, double walls, double boxes) {
    RandomBoard b{
        cols, rows, std::vector<TrialCode>(static_cast<std::size_t>(cols * rows)), -1, {}};
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const bool framed = u(rng) < 0.7;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const bool edge = r == 0 || c == 0 || r == rows - 1 || c == cols - 1;
            const double x = u(rng);
            TrialCode code = u(rng) < 0.2 ? TrialCode::Goal : TrialCode::Floor;
            if ((framed && edge) || x < walls) {
                code = u(rng) < 0.05 ? TrialCode::Nothing : TrialCode::Wall;
            } else if (x < walls + boxes) {
                code = WithBox(code);
            }
            b.Cells[static_cast<std::size_t>(r * cols + c)] = code;
        }
    }
    std::vector<int> free;
    for (int p = 0; p < cols * rows; ++p) {
        const TrialCode code = b.Cells[static_cast<std::size_t>(p)];
        if (IsFreeCode(code)) {
            free.push_back(p);
        } else if (IsBoxCode(code)) {
            b.Boxes.push_back(p);
        }
    }
    if (!free.empty()) {
        b.Keeper = free[rng() % free.size()];
        TrialCode& keeper = b.Cells[static_cast<std::size_t>(b.Keeper)];
        keeper = WithKeeper(keeper);
    }
    return b;
}

// Replays moves on a copy of the cells without the keeper's code; false at the
// first impossible move. Forward upper case pushes, reverse upper case pulls.
bool Replay(const RandomBoard& b, PlayMode mode, std::string_view moves,
            std::vector<TrialCode>& cells, int& keeper) {
    cells = b.Cells;
    keeper = b.Keeper;
    cells[static_cast<std::size_t>(keeper)] = Vacated(cells[static_cast<std::size_t>(keeper)]);
    auto at = [&](int r, int c) -> TrialCode* {
        return r < 0 || c < 0 || r >= b.Rows || c >= b.Cols
                   ? nullptr
                   : &cells[static_cast<std::size_t>(r * b.Cols + c)];
    };
    for (const char ch : moves) {
        const FinderDirection& d =
            FinderDirectionOrder[static_cast<std::size_t>(LurdDirection(ch))];
        const int r = keeper / b.Cols, c = keeper % b.Cols;
        TrialCode* ahead = at(r + d.DRow, c + d.DCol);
        if (ahead == nullptr) {
            return false;
        }
        if (IsPushChar(ch) && !IsReverse(mode)) {
            TrialCode* beyond = at(r + 2 * d.DRow, c + 2 * d.DCol);
            if (beyond == nullptr || !IsBoxCode(*ahead) || !IsFreeCode(*beyond)) {
                return false;
            }
            *ahead = Vacated(*ahead);
            *beyond = WithBox(*beyond);
        } else if (IsPushChar(ch)) {
            TrialCode* behind = at(r - d.DRow, c - d.DCol);
            if (behind == nullptr || !IsBoxCode(*behind) || !IsFreeCode(*ahead)) {
                return false;
            }
            *behind = Vacated(*behind);
            cells[static_cast<std::size_t>(keeper)] =
                WithBox(cells[static_cast<std::size_t>(keeper)]);
        } else if (!IsFreeCode(*ahead)) {
            return false;
        }
        keeper = (r + d.DRow) * b.Cols + c + d.DCol;
    }
    return true;
}

// Every box where it was except possibly `moved`, which must stand on `target`.
bool BoxesAsBefore(const RandomBoard& b, const std::vector<TrialCode>& cells, int moved,
                   int target) {
    for (int p = 0; p < b.Cols * b.Rows; ++p) {
        const bool was = IsBoxCode(b.Cells[static_cast<std::size_t>(p)]) && p != moved;
        const bool is = IsBoxCode(cells[static_cast<std::size_t>(p)]);
        if (is != (was || p == target)) {
            return false;
        }
    }
    return true;
}

class Differential : public ::testing::Test {
protected:
    void Compare(const RandomBoard& b, bool goThrough, std::mt19937& rng) {
        fast.SetBoardSize(b.Cols, b.Rows);
        reference.SetBoardSize(b.Cols, b.Rows);
        fast.SetGoThrough(goThrough);
        reference.SetGoThrough(goThrough);
        for (const PlayMode mode : {PlayMode::Forward, PlayMode::Reverse}) {
            CompareKeeper(b, mode, rng);
            CompareBoxes(b, mode, rng);
        }
    }

    std::string Where(const RandomBoard& b, PlayMode mode) const {
        return std::to_string(b.Cols) + "x" + std::to_string(b.Rows) +
               (IsReverse(mode) ? " reverse" : " forward") +
               (fast.GoThrough() ? " go-through" : "") + " board " + std::to_string(boards);
    }

    void CompareKeeper(const RandomBoard& b, PlayMode mode, std::mt19937& rng) {
        fast.KeeperReach(mode, b.Cells, b.Keeper);
        reference.KeeperReach(mode, b.Cells, b.Keeper);
        // A box search leaves the keeper half of its mode unspecified, so only the
        // half this search wrote is compared.
        const std::uint8_t half = IsReverse(mode) ? 0xF0 : 0x0F;
        for (int p = 0; p < b.Cols * b.Rows; ++p) {
            ASSERT_EQ(fast.KeeperMarks(p) & half, reference.KeeperMarks(p) & half)
                << Where(b, mode) << " at " << p;
        }
        for (int i = 0; i < 4; ++i) {
            const int target = static_cast<int>(rng() % static_cast<unsigned>(b.Cols * b.Rows));
            const std::string moves(fast.KeeperPath(mode, b.Cells, target, b.Keeper));
            ASSERT_EQ(moves, reference.KeeperPath(mode, b.Cells, target, b.Keeper))
                << Where(b, mode);
            std::vector<TrialCode> cells;
            int keeper = 0;
            if (!moves.empty()) {
                ASSERT_TRUE(Replay(b, mode, moves, cells, keeper))
                    << Where(b, mode) << " " << moves;
                EXPECT_EQ(keeper, target);
                EXPECT_TRUE(BoxesAsBefore(b, cells, -1, -1)) << moves;
            }
            ++keeperPaths;
        }
    }

    void CompareBoxes(const RandomBoard& b, PlayMode mode, std::mt19937& rng) {
        if (b.Keeper < 0) {
            return;
        }
        for (int i = 0; i < selections && !b.Boxes.empty(); ++i) {
            const int box = b.Boxes[rng() % b.Boxes.size()];
            for (TPathFinder* f : {&fast, &reference}) {
                f->SelectBox(b.Cells, box);
                f->BoxReach(mode, box, b.Keeper);
            }
            std::vector<int> marked;
            for (int p = 0; p < b.Cols * b.Rows; ++p) {
                ASSERT_EQ(fast.BoxMarks(p), reference.BoxMarks(p))
                    << Where(b, mode) << " box " << box << " at " << p;
                if ((fast.BoxMarks(p) & (IsReverse(mode) ? 16 : 1)) != 0 && p != box) {
                    marked.push_back(p);
                }
            }
            CompareRoutes(b, mode, box, marked, rng);
            CompareKeeperTests(b, mode, box, rng);
        }
    }

    void CompareRoutes(const RandomBoard& b, PlayMode mode, int box, const std::vector<int>& marked,
                       std::mt19937& rng) {
        std::vector<int> targets = {
            b.Keeper, static_cast<int>(rng() % static_cast<unsigned>(b.Cols * b.Rows))};
        for (int i = 0; i < 3 && !marked.empty(); ++i) {
            targets.push_back(marked[rng() % marked.size()]);
        }
        for (const int target : targets) {
            const std::string moves(fast.BoxPath(mode, box, target, b.Keeper));
            ASSERT_EQ(moves, reference.BoxPath(mode, box, target, b.Keeper))
                << Where(b, mode) << " box " << box << " to " << target;
            if (!moves.empty()) {
                std::vector<TrialCode> cells;
                int keeper = 0;
                ASSERT_TRUE(Replay(b, mode, moves, cells, keeper))
                    << Where(b, mode) << " " << moves;
                EXPECT_TRUE(BoxesAsBefore(b, cells, box, target)) << Where(b, mode) << " " << moves;
                ++routes;
            }
        }
    }

    // Direct keeper tests with the box on any free square and the keeper anywhere free.
    void CompareKeeperTests(const RandomBoard& b, PlayMode mode, int box, std::mt19937& rng) {
        std::vector<int> free = {box};
        for (int p = 0; p < b.Cols * b.Rows; ++p) {
            const TrialCode code = b.Cells[static_cast<std::size_t>(p)];
            if (IsFreeCode(code) || IsKeeperCode(code)) {
                free.push_back(p);
            }
        }
        for (int i = 0; i < 12; ++i) {
            const int p = free[rng() % free.size()];
            const int k = free[rng() % free.size()];
            const int q = i % 3 == 0
                              ? static_cast<int>(rng() % static_cast<unsigned>(b.Cols * b.Rows))
                              : free[rng() % free.size()];
            ASSERT_EQ(fast.KeeperCanReach(mode, p, k, q), reference.KeeperCanReach(mode, p, k, q))
                << Where(b, mode) << " P " << p << " K " << k << " Q " << q;
            ++keeperTests;
        }
    }

    void SetUp() override { reference.UseReferenceSearch(true); }

    void TearDown() override {
        std::cout << "  " << boards << " boards, " << keeperPaths << " keeper paths, " << routes
                  << " box routes, " << keeperTests << " direct keeper tests compared\n";
    }

    // Boards of random size and density; every other one with going through on.
    struct Plan {
        int Count = 0;
        int MinSide = 3, MaxSide = 12;
        double MaxWalls = 0.3;
        double MinBoxes = 0.0, MaxBoxes = 0.3;
        int BoxesPerBoard = 3;
        bool AlwaysGoThrough = false;
    };

    void Run(unsigned seed, const Plan& plan) {
        selections = plan.BoxesPerBoard;
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> side(plan.MinSide, plan.MaxSide);
        std::uniform_real_distribution<double> walls(0.0, plan.MaxWalls);
        std::uniform_real_distribution<double> boxes(plan.MinBoxes, plan.MaxBoxes);
        for (int i = 0; i < plan.Count && !HasFatalFailure(); ++i, ++boards) {
            const RandomBoard b = MakeBoard(rng, side(rng), side(rng), walls(rng), boxes(rng));
            Compare(b, plan.AlwaysGoThrough || i % 2 == 0, rng);
        }
    }

    TPathFinder fast;
    TPathFinder reference;
    int selections = 3;
    int boards = 0, keeperPaths = 0, routes = 0, keeperTests = 0;
};

TEST_F(Differential, SmallBoards) {
    Run(20240611u, {.Count = 1500, .MinSide = 3, .MaxSide = 12, .MaxWalls = 0.35, .MaxBoxes = 0.4});
}

TEST_F(Differential, MediumBoards) {
    Run(777u, {.Count = 150, .MinSide = 12, .MaxSide = 40, .MaxWalls = 0.3, .MaxBoxes = 0.35});
}

// A floor crowded with boxes is tree-like: nearly every square cuts it, and the
// keeper tests lean on going through.
TEST_F(Differential, CrowdedBoardsGoingThrough) {
    Run(31337u, {.Count = 60,
                 .MinSide = 15,
                 .MaxSide = 45,
                 .MaxWalls = 0.1,
                 .MinBoxes = 0.15,
                 .MaxBoxes = 0.35,
                 .AlwaysGoThrough = true});
}

TEST_F(Differential, LargeBoards) {
    Run(4242u, {.Count = 4,
                .MinSide = 90,
                .MaxSide = 100,
                .MaxWalls = 0.25,
                .MaxBoxes = 0.2,
                .BoxesPerBoard = 1});
}

} // namespace
} // namespace lodrin
