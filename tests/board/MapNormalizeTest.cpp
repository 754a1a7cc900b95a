#include "board/MapNormalize.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

struct Normalized {
    NormalizeOutcome outcome;
    Rows rows;
};

Normalized Normalize(const Rows& rows, bool minimal, int height, int width) {
    Board board = test::BoardFromRows(rows);
    const Board before = board;
    Normalized n{NormalizeBoard(board, minimal), test::RowsOf(board, height, width)};
    if (n.outcome.Result != NormalizeResult::NormalizeOk) {
        EXPECT_EQ(board, before) << "a failed normalization must not touch the board";
    }
    return n;
}

TEST(NormalizeBoard, Failures) {
    EXPECT_EQ(Normalize({"#####", "#   #", "#####"}, false, 3, 5).outcome.Result,
              NormalizeResult::WrongKeeperCount);
    EXPECT_EQ(Normalize({"#######", "#@$.@ #", "#######"}, false, 3, 7).outcome.Result,
              NormalizeResult::WrongKeeperCount);
    // Floor reaching the board's top row or leftmost column is open.
    EXPECT_EQ(Normalize({"  ", " #####", " #@$.#", " ## ##"}, false, 4, 6).outcome.Result,
              NormalizeResult::NotClosed);
    // The keeper itself in the leftmost column: the board's edge is no wall.
    EXPECT_EQ(Normalize({"#####", "@$. #", "#####"}, false, 3, 5).outcome.Result,
              NormalizeResult::NotClosed);
    const Normalized mismatch = Normalize({"######", "#@$$.#", "######", "   .  "}, false, 4, 6);
    EXPECT_EQ(mismatch.outcome.Result, NormalizeResult::BoxGoalMismatch);
    EXPECT_TRUE(mismatch.outcome.CountsKnown);
    EXPECT_EQ(mismatch.outcome.Boxes, 2);
    EXPECT_EQ(mismatch.outcome.Goals, 1);
    EXPECT_EQ(Normalize({"####", "#@ #", "####"}, false, 3, 4).outcome.Result,
              NormalizeResult::BoxGoalMismatch);
}

TEST(NormalizeBoard, WallsInTheTopRowAndLeftColumnAreFine) {
    const Normalized n = Normalize({"#####", "#@$.#", "#####"}, false, 3, 5);
    EXPECT_EQ(n.outcome.Result, NormalizeResult::NormalizeOk);
    EXPECT_EQ(n.rows, (Rows{"#####", "#@$.#", "#####"}));
}

TEST(NormalizeBoard, StandardAndMinimalTreatTheOutsideDifferently) {
    // Three boxes and goals inside (one box walled in), a box, a goal and decoration outside.
    const Rows level = {
        "          ", " #######  ", " #@$.  #  ", " # $. ## $",
        " #*## #   ", " #######  ", "        . ", "  ###     ",
    };
    const Normalized standard = Normalize(level, false, 8, 10);
    ASSERT_EQ(standard.outcome.Result, NormalizeResult::NormalizeOk);
    EXPECT_EQ(standard.outcome.Boxes, 3);
    EXPECT_EQ(standard.rows, (Rows{
                                 "----------",
                                 "-#######--",
                                 "-#@$.--#--",
                                 "-#-$.-##-#",
                                 "-#*##-#---",
                                 "-#######--",
                                 "----------",
                                 "--###-----",
                             }));
    const Normalized minimal = Normalize(level, true, 8, 10);
    ASSERT_EQ(minimal.outcome.Result, NormalizeResult::NormalizeOk);
    EXPECT_EQ(minimal.rows, (Rows{
                                "----------",
                                "-#######--",
                                "-#@$.--#--",
                                "-#-$.-##--",
                                "-#*##-#---",
                                "-######---",
                                "----------",
                                "----------",
                            }));
}

TEST(NormalizeBoard, DiagonalGapIsClosedButNotEntered) {
    // The walls at (1,3) and (2,4) meet at a corner; the fill does not pass it.
    const Rows level = {
        "      ", " ###  ", " #@.# ", " #$ # ", " #### ",
    };
    const Normalized n = Normalize(level, false, 5, 6);
    ASSERT_EQ(n.outcome.Result, NormalizeResult::NormalizeOk);
    EXPECT_EQ(n.rows, (Rows{"------", "-####-", "-#@.#-", "-#$-#-", "-####-"}));
}

TEST(NormalizeBoard, SecondRunChangesNothing) {
    Board board = test::BoardFromRows({"", " ######", " #@$. #", " ######", "    $ "});
    ASSERT_EQ(NormalizeBoard(board, false).Result, NormalizeResult::NormalizeOk);
    const Board once = board;
    ASSERT_EQ(NormalizeBoard(board, false).Result, NormalizeResult::NormalizeOk);
    EXPECT_EQ(board, once);
}

} // namespace
} // namespace lodrin
