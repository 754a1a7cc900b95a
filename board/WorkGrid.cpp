#include "board/WorkGrid.h"

#include "board/Lurd.h"

#include <algorithm>

namespace lodrin {

void TWorkGrid::Load(const Board& board) {
    Cells_.fill('#');
    Visited_.fill(0);
    KeeperCount_ = 0;
    for (int r = 1; r <= BoardSize; ++r) {
        for (int c = 1; c <= BoardSize; ++c) {
            const char ch = CellToXsbChar(board.At(r - 1, c - 1));
            Set(r, c, ch);
            if (ch == '@' || ch == '+') {
                ++KeeperCount_;
                KeeperRow_ = r;
                KeeperCol_ = c;
            }
        }
    }
}

TWorkGrid::FillResult TWorkGrid::FloodFromKeeper() {
    FillResult result;
    Visited_.fill(0);
    if (OnOuterRing(KeeperRow_, KeeperCol_)) {
        return result;
    }
    result.Top = result.Bottom = KeeperRow_;
    result.Left = result.Right = KeeperCol_;
    std::size_t head = 0;
    std::size_t tail = 0;
    Visited_[Index(KeeperRow_, KeeperCol_)] = 1;
    QueueRow_[tail] = static_cast<std::int16_t>(KeeperRow_);
    QueueCol_[tail++] = static_cast<std::int16_t>(KeeperCol_);
    while (head < tail) {
        const int r = QueueRow_[head];
        const int c = QueueCol_[head++];
        const CellCode code = XsbCharToCell(At(r, c));
        result.Boxes += HasBox(code);
        result.Goals += HasGoal(code);
        for (const FinderDirection& d : FinderDirectionOrder) {
            const int nr = r + d.DRow;
            const int nc = c + d.DCol;
            if (At(nr, nc) == '#' || Visited(nr, nc)) {
                continue;
            }
            if (OnOuterRing(nr, nc)) {
                return result;
            }
            Visited_[Index(nr, nc)] = 1;
            QueueRow_[tail] = static_cast<std::int16_t>(nr);
            QueueCol_[tail++] = static_cast<std::int16_t>(nc);
            result.Top = std::min(result.Top, nr);
            result.Bottom = std::max(result.Bottom, nr);
            result.Left = std::min(result.Left, nc);
            result.Right = std::max(result.Right, nc);
        }
    }
    result.Closed = true;
    return result;
}

void TWorkGrid::Store(Board& board) const {
    for (int r = 1; r <= BoardSize; ++r) {
        for (int c = 1; c <= BoardSize; ++c) {
            board.Set(r - 1, c - 1, XsbCharToCell(At(r, c)));
        }
    }
}

} // namespace lodrin
