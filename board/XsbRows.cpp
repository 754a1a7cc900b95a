#include "board/XsbRows.h"

#include <algorithm>

namespace lodrin {

bool IsBoardRow(std::string_view line) {
    return !line.empty() &&
           std::all_of(line.begin(), line.end(), [](char ch) { return IsXsbRowChar(ch); });
}

std::optional<ColRow> ReadRowsIntoBoard(const std::vector<std::string>& rows, Board& board) {
    board.Clear();
    const std::size_t rowCount = std::min<std::size_t>(rows.size(), BoardSize);
    std::size_t width = 0;
    for (std::size_t r = 0; r < rowCount; ++r) {
        width = std::max(width, rows[r].size());
    }
    width = std::min<std::size_t>(width, BoardSize);

    std::optional<ColRow> keeper;
    for (std::size_t r = 0; r < rowCount; ++r) {
        const std::string& row = rows[r];
        const std::size_t n = std::min(width, row.size());
        for (std::size_t c = 0; c < n; ++c) {
            const CellCode code = XsbCharToCell(row[c]);
            board.Set(static_cast<int>(r), static_cast<int>(c), code);
            if (HasKeeper(code)) {
                keeper = ColRow{static_cast<int>(c) + 1, static_cast<int>(r) + 1};
            }
        }
    }
    return keeper;
}

} // namespace lodrin
