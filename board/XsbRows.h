#pragma once

#include "board/Board.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Whether the untrimmed line is a board row: not empty, only space # $ * + - . @ _.
bool IsBoardRow(std::string_view line);

// Clears the board and fills it from the rows (at most 100 rows and 100 columns,
// short rows padded with floor). Returns the 1-based position of the last keeper
// read, or nothing when no keeper was read.
std::optional<ColRow> ReadRowsIntoBoard(const std::vector<std::string>& rows, Board& board);

} // namespace lodrin
