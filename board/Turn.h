#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Eight turns per board; odd turns swap the shown width and height.
inline constexpr int TurnCount = 8;

// For each turn, the board direction of each view direction l u r d L U R D,
// followed by the seven XSB cell characters.
inline constexpr std::string_view TurnTable =
    "lurdLURDdlurDLURrdluRDLUurdlURDLruldRULDdrulDRULldruLDRUuldrULDR-.$*@+#";

// Board direction of the view direction ch under the turn; ' ' for a non-move character.
char TurnDirection(int turn, char ch);

// A whole move text turned character by character; non-move characters become blanks.
std::string TurnLurd(int turn, std::string_view text);

// A view square (column x, row y).
struct ViewCell {
    int X = 0;
    int Y = 0;
    friend bool operator==(const ViewCell&, const ViewCell&) = default;
};

// A board square (row, column).
struct BoardCell {
    int Row = 0;
    int Col = 0;
    friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// Where board cell (r, c) of an R x C board is shown under the turn.
ViewCell BoardToView(int turn, int r, int c, int rows, int cols);

// Which board cell is shown at view square (x, y) under the turn.
BoardCell ViewToBoard(int turn, int x, int y, int rows, int cols);

// Columns and rows of the view of an R x C board under the turn (X = columns).
ViewCell ViewSize(int turn, int rows, int cols);

// The grid as shown under the turn; short rows read as blanks past their end.
std::vector<std::string> TurnBoard(const std::vector<std::string>& grid, int turn);

// "0转" to "7转".
std::string TurnLabel(int turn);

// The status text that explains the turn.
std::string_view TurnStatusText(int turn);

} // namespace lodrin
