// The hand-over from the editor's board to the trial field's cells.

#include "TrialUnit/TrialHandOver.h"
#include "board/LevelText.h"
#include "support/BoardText.h"
#include "support/TrialText.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

Rows TrialRows(const TrialBoard& t) {
    return test::RowsOfCells(t.Cells, t.Rows, t.Cols);
}

TEST(HandOver, NeedsExactlyOneKeeper) {
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows({"#####", "# $.#", "#####"})).Error,
              WrongKeeperCountMessage);
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows({"######", "#@$.+#", "######"})).Error,
              WrongKeeperCountMessage);
    // Two keepers are refused before any look at the walls.
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows({"@ @"})).Error, WrongKeeperCountMessage);
}

TEST(HandOver, NeedsAClosedKeeperArea) {
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows({"# ###", "#@$.#", "#####"})).Error,
              OpenAreaMessage);
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows({"#####", "@$. #", "#####"})).Error,
              OpenAreaMessage);
    // Reaching the board's last row or column is open too.
    Rows bottom(100, "");
    bottom[97] = "#####";
    bottom[98] = "#@  #";
    bottom[99] = "## ##";
    EXPECT_EQ(HandOverToTrial(test::BoardFromRows(bottom)).Error, OpenAreaMessage);
}

TEST(HandOver, LevelInTheBoardCornerOpens) {
    const TrialHandOver h = HandOverToTrial(test::BoardFromRows({"#####", "#@$.#", "#####"}));
    ASSERT_TRUE(h.Ok()) << h.Error;
    EXPECT_EQ(h.Board.Rows, 3);
    EXPECT_EQ(h.Board.Cols, 5);
    EXPECT_EQ(h.Board.Boxes, 1);
    EXPECT_EQ(TrialRows(h.Board), (Rows{"#####", "#@$.#", "#####"}));
    EXPECT_EQ(h.Board.Top, 0);
    EXPECT_EQ(h.Board.Left, 0);
}

TEST(HandOver, CutsTheGrownKeeperAreaAndKeepsWhatLiesOutsideTheWalls) {
    // The box right of the upper room lies outside the walls but inside the grown box;
    // the floor outside becomes floor. Boxes and goals need not match.
    const Rows level = {
        "", "   #####", "   #@  # $", "   #   ####", "   #  .$* #", "   ########  $",
    };
    const TrialHandOver h = HandOverToTrial(test::BoardFromRows(level));
    ASSERT_TRUE(h.Ok()) << h.Error;
    EXPECT_EQ(TrialRows(h.Board), (Rows{
                                      "#####   ",
                                      "#@  # $ ",
                                      "#   ####",
                                      "#  .$* #",
                                      "########",
                                  }));
    EXPECT_EQ(h.Board.Boxes, 2) << "only the boxes in the keeper's area";
    EXPECT_EQ(h.Board.Top, 1);
    EXPECT_EQ(h.Board.Left, 3);
    // The level text starts where the trial board does, unless something lies beyond it.
    const Board board = test::BoardFromRows(level);
    EXPECT_EQ(TrialOffsetInLevelText(board, h.Board.Origin()), (BoardCell{0, 0}));
    Board decorated = board;
    decorated.Set(0, 0, Wall);
    EXPECT_EQ(TrialOffsetInLevelText(decorated, h.Board.Origin()), (BoardCell{1, 3}));
}

TEST(HandOver, LargestClosedAreaFillsTheTrialBoard) {
    Rows rows(100, "#" + std::string(98, ' ') + "#");
    rows.front() = rows.back() = std::string(100, '#');
    rows[50][50] = '@';
    const TrialHandOver h = HandOverToTrial(test::BoardFromRows(rows));
    ASSERT_TRUE(h.Ok()) << h.Error;
    EXPECT_EQ(h.Board.Rows, 100);
    EXPECT_EQ(h.Board.Cols, 100);
    EXPECT_EQ(h.Board.Cells[50 * 100 + 50], TrialCode::Keeper);
    EXPECT_EQ(h.Board.Cells[99 * 100 + 99], TrialCode::Wall);
}

TEST(HandOver, Captions) {
    EXPECT_EQ(TrialCaption(PlayMode::Forward), "正推演炼场");
    EXPECT_EQ(TrialCaption(PlayMode::Reverse), "逆推演炼场");
}

} // namespace
} // namespace lodrin
