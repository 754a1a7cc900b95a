#pragma once

#include "board/CellCode.h"

#include <array>
#include <cstdint>

namespace lodrin {

// Rows and columns of the editor's board.
inline constexpr int BoardSize = 100;

// A 1-based (column, row) pair as the editor records the keeper; (0, 0) is none.
struct ColRow {
    int Col = 0;
    int Row = 0;
    bool IsNone() const { return Col == 0 && Row == 0; }
    friend bool operator==(const ColRow&, const ColRow&) = default;
};

// The editor's level: 100 x 100 cell codes, row by row, row 0 at the top.
class Board {
public:
    std::int32_t At(int row, int col) const { return Cells[Index(row, col)]; }
    void Set(int row, int col, std::int32_t code) { Cells[Index(row, col)] = code; }
    // Every cell back to Floor.
    void Clear() { Cells.fill(Floor); }
    // Whether (row, col) lies on the board.
    static bool Contains(int row, int col) {
        return row >= 0 && row < BoardSize && col >= 0 && col < BoardSize;
    }

    std::array<std::int32_t, BoardSize * BoardSize> Cells{};

    friend bool operator==(const Board&, const Board&) = default;

private:
    static std::size_t Index(int row, int col) {
        return static_cast<std::size_t>(row) * BoardSize + static_cast<std::size_t>(col);
    }
};

} // namespace lodrin
