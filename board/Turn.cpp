#include "board/Turn.h"

#include "board/Lurd.h"

#include <algorithm>
#include <array>

namespace lodrin {

char TurnDirection(int turn, char ch) {
    const std::size_t column = TurnDirectionOrder.find(ch);
    if (column == std::string_view::npos || turn < 0 || turn >= TurnCount) {
        return ' ';
    }
    return TurnTable[static_cast<std::size_t>(turn) * 8 + column];
}

std::string TurnLurd(int turn, std::string_view text) {
    std::string out(text.size(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = TurnDirection(turn, text[i]);
    }
    return out;
}

ViewCell BoardToView(int turn, int r, int c, int rows, int cols) {
    switch (turn) {
    case 1:
        return {rows - 1 - r, c};
    case 2:
        return {cols - 1 - c, rows - 1 - r};
    case 3:
        return {r, cols - 1 - c};
    case 4:
        return {cols - 1 - c, r};
    case 5:
        return {rows - 1 - r, cols - 1 - c};
    case 6:
        return {c, rows - 1 - r};
    case 7:
        return {r, c};
    default:
        return {c, r};
    }
}

BoardCell ViewToBoard(int turn, int x, int y, int rows, int cols) {
    switch (turn) {
    case 1:
        return {rows - 1 - x, y};
    case 2:
        return {rows - 1 - y, cols - 1 - x};
    case 3:
        return {x, cols - 1 - y};
    case 4:
        return {y, cols - 1 - x};
    case 5:
        return {rows - 1 - x, cols - 1 - y};
    case 6:
        return {rows - 1 - y, x};
    case 7:
        return {x, y};
    default:
        return {y, x};
    }
}

ViewCell ViewSize(int turn, int rows, int cols) {
    return turn % 2 == 0 ? ViewCell{cols, rows} : ViewCell{rows, cols};
}

std::vector<std::string> TurnBoard(const std::vector<std::string>& grid, int turn) {
    const int rows = static_cast<int>(grid.size());
    std::size_t width = 0;
    for (const std::string& row : grid) {
        width = std::max(width, row.size());
    }
    const int cols = static_cast<int>(width);
    const ViewCell size = ViewSize(turn, rows, cols);
    std::vector<std::string> view(static_cast<std::size_t>(size.Y),
                                  std::string(static_cast<std::size_t>(size.X), ' '));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const ViewCell v = BoardToView(turn, r, c, rows, cols);
            const std::string& row = grid[static_cast<std::size_t>(r)];
            const auto col = static_cast<std::size_t>(c);
            view[static_cast<std::size_t>(v.Y)][static_cast<std::size_t>(v.X)] =
                col < row.size() ? row[col] : ' ';
        }
    }
    return view;
}

std::string TurnLabel(int turn) {
    return std::to_string(turn) + "转";
}

std::string_view TurnStatusText(int turn) {
    static constexpr std::array<std::string_view, TurnCount> texts = {
        "0转 = 关卡的原始旋转状态。",
        "1转 = 关卡的顺时针旋转90度",
        "2转 = 关卡的顺时针旋转180度",
        "3转 = 关卡的顺时针旋转270度（逆时针旋转90度）",
        "4转 = 关卡的左右翻转",
        "5转 = 关卡的上下翻转后，逆时针旋转90度（关卡的左右翻转后，顺时针旋转90度）",
        "6转 = 关卡的上下翻转（关卡的左右翻转后，顺时针旋转180度）",
        "7转 = 关卡的转置，即行列互换（关卡的左右翻转后，顺时针旋转270度，或逆时针旋转90度）",
    };
    return turn >= 0 && turn < TurnCount ? texts[static_cast<std::size_t>(turn)] : texts[0];
}

} // namespace lodrin
