// The 280 real levels of ../shared/data/solved.xsb through the hand-over and the
// trial play: each solution played forward, and read backwards as pulls in reverse.

#include "TrialUnit/TrialHandOver.h"
#include "TrialUnit/TrialPlay.h"
#include "board/Lurd.h"
#include "board/XsbRows.h"
#include "support/SolvedLevels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lodrin {
namespace {

// The solution played backwards: last move first, each letter the opposite way.
std::string Backwards(std::string_view solution) {
    std::string moves(solution.rbegin(), solution.rend());
    for (char& ch : moves) {
        const int k = LurdDirection(ch);
        const char back = FinderChars[static_cast<std::size_t>(
            FinderDirectionOrder[static_cast<std::size_t>(k)].Opposite)];
        ch = IsPushChar(ch) ? LurdUpper(back) : back;
    }
    return moves;
}

std::vector<TrialCode> CellsOf(const TTrialPlay& play) {
    return {play.TrialCells().begin(), play.TrialCells().begin() + play.CellCount()};
}

class SolvedLevelsInTrial : public test::SolvedLevelsTest {};

TEST_F(SolvedLevelsInTrial, SolutionsPlayForwardAndBackInReverse) {
    for (const test::SolvedLevel& level : levels) {
        Board board;
        ReadRowsIntoBoard(level.Rows, board);
        const TrialHandOver h = HandOverToTrial(board);
        ASSERT_TRUE(h.Ok()) << level.Title << ": " << h.Error;
        int boxes = 0;
        for (const std::string& row : level.Rows) {
            boxes += static_cast<int>(std::count_if(
                row.begin(), row.end(), [](char ch) { return ch == '$' || ch == '*'; }));
        }
        // Some levels wall boxes in outside the keeper's area; those are not counted.
        EXPECT_GT(h.Board.Boxes, 0) << level.Title;
        EXPECT_LE(h.Board.Boxes, boxes) << level.Title;

        TTrialPlay forward;
        forward.SetBoard(h.Board, PlayMode::Forward);
        const std::vector<TrialCode> start = CellsOf(forward);
        const int startKeeper = forward.KeeperPos();
        forward.PlayClipboard(level.Solution);
        ASSERT_EQ(forward.MoveRecord(), level.Solution) << level.Title;
        EXPECT_EQ(forward.MoveCount(), static_cast<int>(level.Solution.size()));
        EXPECT_EQ(forward.PushCount(),
                  std::count_if(level.Solution.begin(), level.Solution.end(), IsPushChar));
        const std::vector<TrialCode> solved = CellsOf(forward);
        EXPECT_EQ(std::count(solved.begin(), solved.end(), TrialCode::Box), 0)
            << level.Title << ": a box off its goal";

        // Reverse play from the solved position pulls every box back to the start.
        TrialBoard end = h.Board;
        std::copy(solved.begin(), solved.end(), end.Cells.begin());
        TTrialPlay reverse;
        reverse.SetBoard(end, PlayMode::Reverse);
        reverse.PlayClick(Backwards(level.Solution));
        EXPECT_EQ(reverse.MoveCount(), static_cast<int>(level.Solution.size())) << level.Title;
        EXPECT_EQ(CellsOf(reverse), start) << level.Title;
        EXPECT_EQ(reverse.KeeperPos(), startKeeper);

        forward.UndoAll();
        EXPECT_EQ(CellsOf(forward), start) << level.Title;
        EXPECT_EQ(forward.KeeperPos(), startKeeper);
        EXPECT_EQ(forward.MoveCount(), 0);
        EXPECT_EQ(forward.PushCount(), 0);
        EXPECT_TRUE(forward.MoveRecord().empty());
        EXPECT_EQ(forward.RedoTail().size(), level.Solution.size());
    }
}

} // namespace
} // namespace lodrin
