#pragma once

#include "board/CellCode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lodrin {

// The cells a small picture of a level shows: the rows as the board would take
// them (at most 100 x 100), with the floor outside the walls told apart.
struct LevelPreview {
    static constexpr std::int8_t Outside = -1;

    int Rows = 0;
    int Cols = 0;
    std::vector<std::int8_t> Cells; // a CellCode, or Outside; row by row

    std::int8_t At(int row, int col) const {
        return Cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(Cols) +
                     static_cast<std::size_t>(col)];
    }
};

// The preview of level rows: each cell's code, and Outside for every floor cell
// that the edge of the rows reaches without crossing anything but floor.
LevelPreview MakeLevelPreview(const std::vector<std::string>& rows);

} // namespace lodrin
