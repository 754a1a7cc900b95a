#include "Editor_/GridView.h"

#include <algorithm>

namespace lodrin {
namespace {

// The first visible line that shows `first` at the start of the view, as far as
// a view of `visible` lines scrolls over the board.
int ScrollTo(int first, int visible) {
    return std::clamp(first, 0, std::max(0, BoardSize - visible));
}

} // namespace

GridView RevealLevelCorner(const BoundingBox& level, GridView view) {
    if (level.IsEmpty() ||
        (view.Shows(level.Top, level.Left) && view.Shows(level.Bottom, level.Right))) {
        return view;
    }
    view.TopRow = ScrollTo(level.Top, view.Rows);
    view.LeftCol = ScrollTo(level.Left, view.Cols);
    if (!view.Shows(view.FocusRow, view.FocusCol)) {
        view.FocusRow = level.Top;
        view.FocusCol = level.Left;
    }
    return view;
}

} // namespace lodrin
