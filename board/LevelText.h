#pragma once

#include "board/Board.h"
#include "board/MapNode.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Cuts a text into lines: CR counts as LF, empty lines vanish except one at the
// very start of the text.
std::vector<std::string> SplitTextLines(std::string_view text);

// Reads the first level of a clipboard text into the record (a one-line Lurd
// solution becomes the level it solves). The record is cleared first; returns
// whether it holds rows afterwards.
bool ReadLevelText(std::string_view text, TMapNode& node);

// Smallest rectangle of the board holding every cell not written '-'.
struct BoundingBox {
    int Top = 0;
    int Left = 0;
    int Bottom = -1; // inclusive; Bottom < Top when the board is all floor
    int Right = -1;
    bool IsEmpty() const { return Bottom < Top; }
};
BoundingBox LevelBounds(const Board& board);

// The level text of Copy and Save: each row of the bounding box after an LF, then
// the Title and Author lines and the comment block when the comment has text.
// An all-floor board gives the empty text.
std::string MakeLevelText(const Board& board, const TMapNode& node);

} // namespace lodrin
