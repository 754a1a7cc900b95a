#pragma once

#include "board/LevelText.h"

namespace lodrin {

// What the editor's grid shows of the 100 x 100 board: its first row and
// column, how many whole rows and columns fit, and the focused cell.
struct GridView {
    int TopRow = 0;
    int LeftCol = 0;
    int Rows = 1;
    int Cols = 1;
    int FocusRow = 0;
    int FocusCol = 0;

    // Whether the cell (row, col) is wholly in view.
    bool Shows(int row, int col) const {
        return row >= TopRow && row < TopRow + Rows && col >= LeftCol && col < LeftCol + Cols;
    }
    friend bool operator==(const GridView&, const GridView&) = default;
};

// The view that shows a level from its top-left corner after it came onto the
// board (Paste, opening a file, a recognized level). A level wholly in view
// keeps the view; otherwise its top-left corner becomes the view's, as far as
// the grid scrolls. A focus left out of view moves to the corner. An empty
// board keeps the view. The cell size is the caller's and does not change.
GridView RevealLevelCorner(const BoundingBox& level, GridView view);

} // namespace lodrin
