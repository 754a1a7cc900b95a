#pragma once

#include <cstdint>
#include <string_view>

namespace lodrin {

// The editor's cell codes; the numbers index the XSB table and the skin strip.
enum CellCode : std::int32_t {
    Floor = 0,
    Goal = 1,
    Box = 2,
    BoxOnGoal = 3,
    Player = 4,
    PlayerOnGoal = 5,
    Wall = 6,
};

// The code-to-character table: "-.$*@+#" indexed by the code.
inline constexpr std::string_view XsbCellChars = "-.$*@+#";

// Whether the code shows a goal (Goal, BoxOnGoal, PlayerOnGoal).
constexpr bool HasGoal(std::int32_t code) {
    return code == Goal || code == BoxOnGoal || code == PlayerOnGoal;
}
// Whether the code shows a box (Box, BoxOnGoal).
constexpr bool HasBox(std::int32_t code) {
    return code == Box || code == BoxOnGoal;
}
// Whether the code shows the keeper (Player, PlayerOnGoal).
constexpr bool HasKeeper(std::int32_t code) {
    return code == Player || code == PlayerOnGoal;
}

// XSB character of a code; any code outside 0..6 gives '-'.
constexpr char CellToXsbChar(std::int32_t code) {
    return code >= 0 && code < static_cast<std::int32_t>(XsbCellChars.size())
               ? XsbCellChars[static_cast<std::size_t>(code)]
               : '-';
}

// Cell code of an XSB character; everything that is not one of "#$*+.@" is Floor.
constexpr CellCode XsbCharToCell(char ch) {
    switch (ch) {
    case '#':
        return Wall;
    case '$':
        return Box;
    case '*':
        return BoxOnGoal;
    case '+':
        return PlayerOnGoal;
    case '.':
        return Goal;
    case '@':
        return Player;
    default:
        return Floor;
    }
}

// Whether ch may stand in a board row: space # $ * + - . @ _.
constexpr bool IsXsbRowChar(char ch) {
    switch (ch) {
    case ' ':
    case '#':
    case '$':
    case '*':
    case '+':
    case '-':
    case '.':
    case '@':
    case '_':
        return true;
    default:
        return false;
    }
}

} // namespace lodrin
