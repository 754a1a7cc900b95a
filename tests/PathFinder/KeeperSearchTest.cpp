// The keeper's reach and paths, with and without going through boxes.

#include "FinderFixture.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;
using test::FinderBoard;

constexpr std::uint8_t ReachFwd = 1, PassedFwd = 2, PassBoxFwd = 4;
constexpr std::uint8_t ReachRev = 16, PassedRev = 32, PassBoxRev = 64;

// One box beside the keeper; one push into the corridor leaves room to walk round.
const Rows OnePush = {
    "#######",
    "#@$   #",
    "##   ##",
    "#######",
};

// The first push leaves no way round, the second does.
const Rows TwoPushes = {
    "#######", "#@$   #", "### # #", "###   #", "#######",
};

TEST(KeeperReach, WalledInKeeperMarksOnlyItsSquare) {
    FinderBoard b({"#####", "##@##", "#####", "#   #", "#####"});
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.At(1, 2));
    EXPECT_EQ(b.KeeperBits(0xFF), (Rows{"#####", "##o##", "#####", "#   #", "#####"}));
    EXPECT_TRUE(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(3, 2), b.At(1, 2)).empty());
    EXPECT_TRUE(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(1, 2), b.At(1, 2)).empty());
}

TEST(KeeperPath, EqualPathsGoRightBeforeDown) {
    FinderBoard b({"      ", "      ", "  @   ", "      ", "      "});
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(3, 3), b.At(2, 2)), "rd");
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Reverse, b.Cells(), b.At(3, 3), b.At(2, 2)), "rd");
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(1, 1), b.At(2, 2)), "lu");
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(2, 5), b.At(2, 2)), "rrr");
}

TEST(KeeperReach, GoingThroughOneBoxWithOnePush) {
    FinderBoard off(OnePush, false);
    off.finder.KeeperReach(PlayMode::Forward, off.Cells(), off.board.Keeper);
    EXPECT_EQ(off.KeeperBits(0xFF), (Rows{"#######", "#o$   #", "##   ##", "#######"}));
    EXPECT_TRUE(
        off.finder.KeeperPath(PlayMode::Forward, off.Cells(), off.At(1, 5), off.board.Keeper)
            .empty());

    FinderBoard on(OnePush);
    on.finder.KeeperReach(PlayMode::Forward, on.Cells(), on.board.Keeper);
    EXPECT_EQ(on.KeeperBits(ReachFwd), (Rows{"#######", "#o$ooo#", "##ooo##", "#######"}));
    EXPECT_EQ(on.KeeperBits(PassedFwd), (Rows{"#######", "#@$ooo#", "##ooo##", "#######"}));
    EXPECT_EQ(on.KeeperBits(PassBoxFwd), (Rows{"#######", "#@o   #", "##   ##", "#######"}));
    EXPECT_TRUE(on.finder.IsPassedFwd(on.At(1, 5)));
    EXPECT_TRUE(on.finder.IsPassableBoxFwd(on.At(1, 2)));
    EXPECT_FALSE(on.finder.IsReachRev(on.At(1, 5)));
    // Push, walk round the box, push it back; then walk on.
    EXPECT_EQ(on.finder.KeeperPath(PlayMode::Forward, on.Cells(), on.At(1, 5), on.board.Keeper),
              "RdrruLrr");
}

TEST(KeeperPath, GoingThroughWithTwoPushes) {
    FinderBoard b(TwoPushes);
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(1, 3), b.board.Keeper),
              "RRddrruuLL");
    EXPECT_EQ(b.finder.PassSegment(PlayMode::Forward, b.At(1, 3), 1, 2), "RRddrruuLL");
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(PassedFwd),
              (Rows{"#######", "#@$ooo#", "###o#o#", "###ooo#", "#######"}));
}

TEST(KeeperPath, NarrowCorridorNeedsRoomBeyondTheBox) {
    FinderBoard closed({"##########", "#@$      #", "##########"});
    closed.finder.KeeperReach(PlayMode::Forward, closed.Cells(), closed.board.Keeper);
    EXPECT_EQ(closed.KeeperBits(0xFF), (Rows{"##########", "#o$      #", "##########"}));

    // A wider stretch three squares on: three pushes, the walk, three pushes back.
    FinderBoard wide({"##########", "#@$      #", "####   ###", "##########"});
    EXPECT_EQ(
        wide.finder.KeeperPath(PlayMode::Forward, wide.Cells(), wide.At(1, 3), wide.board.Keeper),
        "RRRdrruLLL");
}

// Square (3,3) can be reached through the box on its left and the box above it.
const Rows TwoBoxes = {
    "#######", "#  @###", "#  $ ##", "# $  ##", "##   ##", "#######",
};

TEST(KeeperPath, TheLastDirectionThatPassesDecidesBeyondTheSquare) {
    FinderBoard b(TwoBoxes);
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(PassBoxFwd),
              (Rows{"#######", "#  @###", "#  o ##", "# o  ##", "##   ##", "#######"}));
    // Beyond (3,3) its parent is the last direction that passed: down, through the upper box.
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(4, 4), b.board.Keeper),
              "DrddlUrd");
    // The square itself stops the scan at its first success: right, through the left box.
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(3, 3), b.board.Keeper),
              "llddRdrruL");
}

const Rows ReverseBoard = {
    "#######",
    "#  $@ #",
    "###   #",
    "#######",
};

TEST(KeeperReach, ReverseGoesThroughByPulling) {
    FinderBoard b(ReverseBoard);
    b.finder.KeeperReach(PlayMode::Reverse, b.Cells(), b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(ReachRev), (Rows{"#######", "#oo$oo#", "###ooo#", "#######"}));
    EXPECT_EQ(b.KeeperBits(PassedRev), (Rows{"#######", "#oo$@ #", "###   #", "#######"}));
    EXPECT_EQ(b.KeeperBits(PassBoxRev), (Rows{"#######", "#  o@ #", "###   #", "#######"}));
    EXPECT_EQ(b.KeeperBits(0x0F), (Rows{"#######", "#  $@ #", "###   #", "#######"}));
    // Pull the box away, walk round, pull it back onto its square; then step on.
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Reverse, b.Cells(), b.At(1, 1), b.board.Keeper),
              "RdlluLl");
    EXPECT_TRUE(
        b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(1, 1), b.board.Keeper).empty());
}

TEST(KeeperReach, ForwardAndReverseKeepEachOthersMarks) {
    FinderBoard b(OnePush);
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    const Rows forward = b.KeeperBits(0x0F);
    b.finder.KeeperReach(PlayMode::Reverse, b.Cells(), b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(0x0F), forward);
    EXPECT_EQ(b.KeeperBits(0xF0), (Rows{"#######", "#o$   #", "##   ##", "#######"}));
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(0xF0), (Rows{"#######", "#o$   #", "##   ##", "#######"}));
}

TEST(KeeperPath, WithoutCellsRunsOnTheMapAsItStands) {
    FinderBoard b(OnePush);
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    std::vector<TrialCode> moved = b.board.Cells;
    moved[static_cast<std::size_t>(b.At(1, 2))] =
        TrialCode::Floor; // the box gone from the cells only
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, b.At(1, 5), b.board.Keeper), "RdrruLrr");
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, moved, b.At(1, 5), b.board.Keeper), "rrrr");
}

// Cells that do not cover the board are read only as far as they go; the squares
// past their end are walls.
TEST(KeeperSearch, ShortCellsEndInWalls) {
    FinderBoard b({"@    ", "     ", "     "});
    const std::span<const TrialCode> firstRow = b.Cells().first(5);
    b.finder.KeeperReach(PlayMode::Forward, firstRow, b.board.Keeper);
    EXPECT_EQ(b.KeeperBits(ReachFwd), (Rows{"ooooo", "     ", "     "}));
    EXPECT_EQ(b.finder.KeeperPath(PlayMode::Forward, firstRow, b.At(0, 4), b.board.Keeper), "rrrr");
    EXPECT_TRUE(
        b.finder.KeeperPath(PlayMode::Forward, firstRow, b.At(1, 0), b.board.Keeper).empty());
    b.finder.SelectBox({}, b.At(0, 1));
    b.finder.BoxReach(PlayMode::Forward, b.At(0, 1), b.board.Keeper);
    EXPECT_EQ(b.BoxBits(0xFF), (Rows{"@o   ", "     ", "     "}))
        << "no cells: walls round the box";
}

TEST(KeeperSearch, PositionsOffTheBoardGiveNothing) {
    FinderBoard b(OnePush);
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    for (const int p : {-1, -100, 28, 1000000}) {
        b.finder.KeeperReach(PlayMode::Forward, b.Cells(), p);
        EXPECT_EQ(b.KeeperBits(0xFF), OnePush) << p;
        EXPECT_TRUE(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), p, b.board.Keeper).empty());
        EXPECT_TRUE(b.finder.KeeperPath(PlayMode::Forward, b.Cells(), b.At(1, 5), p).empty());
        EXPECT_FALSE(b.finder.IsReachFwd(p));
        EXPECT_EQ(b.finder.KeeperMarks(p), 0);
        EXPECT_TRUE(b.finder.PassSegment(PlayMode::Forward, p, 1, 1).empty());
        EXPECT_FALSE(b.finder.PassTest(PlayMode::Forward, p, b.At(1, 2), b.At(1, 4), 1));
    }
    EXPECT_TRUE(b.finder.PassSegment(PlayMode::Forward, b.At(1, 3), 1, 500).empty());
    EXPECT_TRUE(b.finder.PassSegment(PlayMode::Forward, b.At(1, 3), 7, 1).empty());
    EXPECT_TRUE(b.finder.PassSegment(PlayMode::Forward, b.At(1, 4), 1, 1).empty())
        << "no box beside it";
}

TEST(KeeperSearch, BoardSizeIsClampedAndClearsTheMarks) {
    TPathFinder finder;
    finder.SetBoardSize(250, -3);
    EXPECT_EQ(finder.Width(), 100);
    EXPECT_EQ(finder.Height(), 0);
    EXPECT_FALSE(finder.IsReachFwd(0));

    FinderBoard b(OnePush);
    b.finder.KeeperReach(PlayMode::Forward, b.Cells(), b.board.Keeper);
    ASSERT_TRUE(b.finder.IsReachFwd(b.board.Keeper));
    b.finder.SetBoardSize(7, 4);
    EXPECT_FALSE(b.finder.IsReachFwd(b.board.Keeper));
}

TEST(PassTest, CountsThePushesOfTheStepThatSucceeded) {
    FinderBoard b(TwoPushes);
    b.finder.SelectBox(b.Cells(), b.At(1, 2)); // lifts the box the test displaces
    EXPECT_TRUE(b.finder.PassTest(PlayMode::Forward, b.At(1, 3), b.At(1, 2), b.At(1, 4), 1));
    EXPECT_EQ(b.finder.PassCount(), 2);
    FinderBoard one(OnePush);
    one.finder.SelectBox(one.Cells(), one.At(1, 2));
    EXPECT_TRUE(
        one.finder.PassTest(PlayMode::Forward, one.At(1, 3), one.At(1, 2), one.At(1, 4), 1));
    EXPECT_EQ(one.finder.PassCount(), 1);
    FinderBoard closed({"######", "#@$  #", "######"});
    closed.finder.SelectBox(closed.Cells(), closed.At(1, 2));
    EXPECT_FALSE(closed.finder.PassTest(PlayMode::Forward, closed.At(1, 3), closed.At(1, 2),
                                        closed.At(1, 4), 1));
}

} // namespace
} // namespace lodrin
