#pragma once

#include "board/PlayMode.h"
#include "board/TrialCode.h"

#include <array>
#include <cstdint>
#include <span>

namespace lodrin::finder {

// Largest board side the finder accepts.
inline constexpr int MaxSide = 100;
// Two rings of walls around the board: every square a search looks at (up to three
// steps from an inner square, two from any board square) lies inside the grid.
inline constexpr int Pad = 2;
inline constexpr int Stride = MaxSide + 2 * Pad;
inline constexpr int GridCells = Stride * Stride;
// Queued squares of one keeper search, queued states of one box reach search.
inline constexpr int QueueLimit = 10000;

// Contents of one square of the cell map.
enum : std::uint8_t { FreeSquare = 0, WallSquare = 1, BoxSquare = 2 };

// Grid offsets of the directions in FinderDirectionOrder (left, right, up, down).
inline constexpr std::array<int, 4> Delta = {-1, +1, -Stride, +Stride};

constexpr int GridIndex(int row, int col) {
    return (row + Pad) * Stride + col + Pad;
}
constexpr int GridRow(int i) {
    return i / Stride - Pad;
}
constexpr int GridCol(int i) {
    return i % Stride - Pad;
}

// The cell map every search reads: the board's squares as free, wall or box,
// framed by walls, with the board size and the inner squares (rows 1..H-2,
// columns 1..W-2) that going through may land on.
class TFinderGrid {
public:
    TFinderGrid();

    // New board size (clamped to 0..100); the map becomes all wall.
    void Resize(int width, int height);
    // Rebuilds the board's squares from trial codes: nothing and walls block, boxes
    // are boxes, the rest is free. Squares past the end of the cells count as walls.
    void Rebuild(std::span<const TrialCode> cells);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    // Grid index of a board position r * W + c, or -1 when it lies off the board.
    int ToGrid(int position) const;
    bool OnBoard(int i) const { return OnBoard_[static_cast<std::size_t>(i)] != 0; }
    bool Inner(int i) const { return Inner_[static_cast<std::size_t>(i)] != 0; }

    std::uint8_t At(int i) const { return Map_[static_cast<std::size_t>(i)]; }
    bool Free(int i) const { return At(i) == FreeSquare; }
    bool IsBox(int i) const { return At(i) == BoxSquare; }
    void Set(int i, std::uint8_t square) { Map_[static_cast<std::size_t>(i)] = square; }

    // Counts every change of the map that is not undone before a search returns,
    // so that what was derived from the map can tell when it is stale.
    std::uint32_t Generation() const { return Generation_; }
    void Touch() { ++Generation_; }

private:
    int Width_ = 0;
    int Height_ = 0;
    std::uint32_t Generation_ = 1;
    std::array<std::uint8_t, GridCells> Map_{};
    std::array<std::uint8_t, GridCells> OnBoard_{};
    std::array<std::uint8_t, GridCells> Inner_{};
};

} // namespace lodrin::finder
