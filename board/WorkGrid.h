#pragma once

#include "board/Board.h"

#include <array>
#include <cstdint>

namespace lodrin {

// The editor's 102 x 102 work grid: the board's XSB characters at rows and
// columns 1..100, framed by a ring of '#'; with the flood fill from the keeper
// that normalization and the hand-over to the trial field share.
class TWorkGrid {
public:
    static constexpr int Size = BoardSize + 2;

    // How a flood fill from the keeper ended.
    struct FillResult {
        bool Closed = false; // false: the area reached the board's outer rows or columns
        int Boxes = 0;       // '$' and '*' in the area
        int Goals = 0;       // '.', '*' and '+' in the area
        int Top = 0, Left = 0, Bottom = -1, Right = -1; // bounding box of the area (grid coords)
    };

    // Fills the grid from the board and counts the keepers ('@', '+').
    void Load(const Board& board);
    int KeeperCount() const { return KeeperCount_; }
    // Grid position of the last keeper in reading order (valid when KeeperCount() > 0).
    int KeeperRow() const { return KeeperRow_; }
    int KeeperCol() const { return KeeperCol_; }

    // Breadth-first from the keeper over every square but walls (left, right, up,
    // down). A keeper standing on, or a square about to be entered lying on, the
    // board's outer rows or columns stops it with Closed false: the board's edge
    // is no wall.
    FillResult FloodFromKeeper();

    char At(int row, int col) const { return Cells_[Index(row, col)]; }
    void Set(int row, int col, char ch) { Cells_[Index(row, col)] = ch; }
    bool Visited(int row, int col) const { return Visited_[Index(row, col)] != 0; }

    // Writes rows and columns 1..100 back into the board.
    void Store(Board& board) const;

private:
    static std::size_t Index(int row, int col) {
        return static_cast<std::size_t>(row) * Size + static_cast<std::size_t>(col);
    }
    static bool OnOuterRing(int row, int col) {
        return row == 1 || row == BoardSize || col == 1 || col == BoardSize;
    }

    std::array<char, Size * Size> Cells_{};
    std::array<std::uint8_t, Size * Size> Visited_{};
    std::array<std::int16_t, BoardSize * BoardSize> QueueRow_{};
    std::array<std::int16_t, BoardSize * BoardSize> QueueCol_{};
    int KeeperCount_ = 0;
    int KeeperRow_ = 0;
    int KeeperCol_ = 0;
};

} // namespace lodrin
