#include "board/LevelPreview.h"

#include "board/Board.h"

#include <algorithm>

namespace lodrin {
namespace {

// Marks the floor cells the edge reaches, walking through floor only.
void MarkOutside(LevelPreview& preview) {
    const int rows = preview.Rows;
    const int cols = preview.Cols;
    std::vector<int> queue;
    queue.reserve(preview.Cells.size());
    const auto visit = [&](int r, int c) {
        std::int8_t& cell = preview.Cells[static_cast<std::size_t>(r * cols + c)];
        if (cell == Floor) {
            cell = LevelPreview::Outside;
            queue.push_back(r * cols + c);
        }
    };
    for (int r = 0; r < rows; ++r) {
        visit(r, 0);
        visit(r, cols - 1);
    }
    for (int c = 0; c < cols; ++c) {
        visit(0, c);
        visit(rows - 1, c);
    }
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int r = queue[i] / cols;
        const int c = queue[i] % cols;
        if (r > 0) {
            visit(r - 1, c);
        }
        if (r + 1 < rows) {
            visit(r + 1, c);
        }
        if (c > 0) {
            visit(r, c - 1);
        }
        if (c + 1 < cols) {
            visit(r, c + 1);
        }
    }
}

} // namespace

LevelPreview MakeLevelPreview(const std::vector<std::string>& rows) {
    LevelPreview preview;
    preview.Rows = static_cast<int>(std::min<std::size_t>(rows.size(), BoardSize));
    std::size_t width = 0;
    for (int r = 0; r < preview.Rows; ++r) {
        width = std::max(width, rows[static_cast<std::size_t>(r)].size());
    }
    preview.Cols = static_cast<int>(std::min<std::size_t>(width, BoardSize));
    if (preview.Rows == 0 || preview.Cols == 0) {
        return LevelPreview{};
    }
    preview.Cells.assign(static_cast<std::size_t>(preview.Rows * preview.Cols), Floor);
    for (int r = 0; r < preview.Rows; ++r) {
        const std::string& row = rows[static_cast<std::size_t>(r)];
        const int n = std::min(preview.Cols, static_cast<int>(row.size()));
        for (int c = 0; c < n; ++c) {
            preview.Cells[static_cast<std::size_t>(r * preview.Cols + c)] =
                static_cast<std::int8_t>(XsbCharToCell(row[static_cast<std::size_t>(c)]));
        }
    }
    MarkOutside(preview);
    return preview;
}

} // namespace lodrin
