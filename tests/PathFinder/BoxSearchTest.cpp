// Where a selected box can be pushed or pulled, and the routes that bring it there.

#include "FinderFixture.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;
using test::FinderBoard;

// Both the fast finder and the straightforward one, so every case checks both.
class BoxSearch : public ::testing::TestWithParam<bool> {
protected:
    FinderBoard Board(const Rows& rows, bool goThrough = true) const {
        FinderBoard b(rows, goThrough);
        b.finder.UseReferenceSearch(GetParam());
        return b;
    }
    static Rows Reach(FinderBoard& b, PlayMode mode, int box) {
        b.finder.SelectBox(b.Cells(), box);
        b.finder.BoxReach(mode, box, b.board.Keeper);
        return b.BoxBits(IsReverse(mode) ? 0xF0 : 0x0F);
    }
};

TEST_P(BoxSearch, DeadCornerForwardAndReverse) {
    const Rows level = {"#####", "#$  #", "#   #", "#  @#", "#####"};
    FinderBoard b = Board(level);
    EXPECT_EQ(Reach(b, PlayMode::Forward, b.At(1, 1)),
              (Rows{"#####", "#o  #", "#   #", "#  @#", "#####"}));
    // Pulled out along either wall while the keeper finds a free square behind it.
    EXPECT_EQ(Reach(b, PlayMode::Reverse, b.At(1, 1)),
              (Rows{"#####", "#oo #", "#oo #", "#  @#", "#####"}));
    EXPECT_TRUE(b.finder.IsBoxReachFwd(b.At(1, 1)));
    EXPECT_FALSE(b.finder.IsBoxReachFwd(b.At(1, 2))) << "the reverse search kept the forward marks";
    EXPECT_TRUE(b.finder.IsBoxReachRev(b.At(2, 2)));
    EXPECT_TRUE(
        b.finder.BoxPath(PlayMode::Forward, b.At(1, 1), b.At(1, 2), b.board.Keeper).empty());
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Reverse, b.At(1, 1), b.At(2, 2), b.board.Keeper),
              "luuRdlD");
}

TEST_P(BoxSearch, StraightCorridorIsOneWalkThenPushes) {
    FinderBoard b = Board({"#########", "#@ $    #", "#########"});
    EXPECT_EQ(Reach(b, PlayMode::Forward, b.At(1, 3)),
              (Rows{"#########", "#@ ooooo#", "#########"}));
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Forward, b.At(1, 3), b.At(1, 7), b.board.Keeper), "rRRRR");
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Forward, b.At(1, 3), b.At(1, 4), b.board.Keeper), "rR");
    EXPECT_TRUE(
        b.finder.BoxPath(PlayMode::Forward, b.At(1, 3), b.At(1, 2), b.board.Keeper).empty());
}

TEST_P(BoxSearch, ReversePullsAlongTheCorridor) {
    FinderBoard b = Board({"########", "# $@   #", "########"});
    EXPECT_EQ(Reach(b, PlayMode::Reverse, b.At(1, 2)), (Rows{"########", "# oooo #", "########"}));
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Reverse, b.At(1, 2), b.At(1, 5), b.board.Keeper), "RRR");
}

TEST_P(BoxSearch, OneWalkBehindTheBoxThenStraightPushes) {
    FinderBoard b = Board({"#######", "#     #", "# $@  #", "#     #", "#######"});
    b.finder.SelectBox(b.Cells(), b.At(2, 2));
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Forward, b.At(2, 2), b.At(2, 5), b.board.Keeper),
              "ulldRRR");
    // The keeper's own square is a target too; the first walk takes the keeper off it.
    b.finder.BoxReach(PlayMode::Forward, b.At(2, 2), b.board.Keeper);
    EXPECT_TRUE(b.finder.IsBoxReachFwd(b.board.Keeper));
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Forward, b.At(2, 2), b.board.Keeper, b.board.Keeper),
              "ulldR");
}

TEST_P(BoxSearch, RouteHeadsForTheTargetRatherThanTakingFewestMoves) {
    // Up first, then right, is eight moves (dlUluRRR) with one turn as well; pushing
    // right first brings the box closer sooner, so that route is expanded first.
    FinderBoard b = Board({"########", "#      #", "# $@   #", "#      #", "########"});
    b.finder.SelectBox(b.Cells(), b.At(2, 2));
    EXPECT_EQ(b.finder.BoxPath(PlayMode::Forward, b.At(2, 2), b.At(1, 5), b.board.Keeper),
              "ulldRRRdrU");
}

TEST_P(BoxSearch, KeeperTestNeverGoesThroughTheSelectedBox) {
    // Forward: going through the selected box itself would reach the far side.
    FinderBoard f = Board({"#######", "#@$   #", "##   ##", "#######"});
    EXPECT_EQ(f.finder.KeeperPath(PlayMode::Forward, f.Cells(), f.At(1, 3), f.board.Keeper),
              "RdrruL");
    f.finder.SelectBox(f.Cells(), f.At(1, 2));
    EXPECT_FALSE(
        f.finder.KeeperCanReach(PlayMode::Forward, f.At(1, 2), f.board.Keeper, f.At(1, 3)));
    EXPECT_TRUE(
        f.finder.KeeperCanReach(PlayMode::Forward, f.At(1, 2), f.board.Keeper, f.board.Keeper));
    EXPECT_FALSE(
        f.finder.KeeperCanReach(PlayMode::Forward, f.At(1, 2), f.board.Keeper, f.At(0, 0)));

    FinderBoard r = Board({"#######", "#  $@ #", "###   #", "#######"});
    EXPECT_EQ(r.finder.KeeperPath(PlayMode::Reverse, r.Cells(), r.At(1, 2), r.board.Keeper),
              "RdlluL");
    r.finder.SelectBox(r.Cells(), r.At(1, 3));
    EXPECT_FALSE(
        r.finder.KeeperCanReach(PlayMode::Reverse, r.At(1, 3), r.board.Keeper, r.At(1, 2)));
    EXPECT_TRUE(r.finder.KeeperCanReach(PlayMode::Reverse, r.At(1, 3), r.board.Keeper, r.At(2, 3)));
}

TEST_P(BoxSearch, KeeperTestGoesThroughOtherBoxes) {
    // The keeper reaches the square left of the selected box (2,5) only by going
    // through the box (1,2) and walking round it along row 2.
    const Rows level = {"#########", "#@$  ####", "##   $  #", "#########"};
    FinderBoard on = Board(level);
    on.finder.SelectBox(on.Cells(), on.At(2, 5));
    EXPECT_TRUE(
        on.finder.KeeperCanReach(PlayMode::Forward, on.At(2, 5), on.board.Keeper, on.At(2, 4)));
    EXPECT_EQ(on.finder.BoxPath(PlayMode::Forward, on.At(2, 5), on.At(2, 7), on.board.Keeper),
              "RdrruLrdRR");
    FinderBoard off = Board(level, false);
    off.finder.SelectBox(off.Cells(), off.At(2, 5));
    EXPECT_FALSE(
        off.finder.KeeperCanReach(PlayMode::Forward, off.At(2, 5), off.board.Keeper, off.At(2, 4)));
    EXPECT_TRUE(off.finder.BoxPath(PlayMode::Forward, off.At(2, 5), off.At(2, 7), off.board.Keeper)
                    .empty());
}

TEST_P(BoxSearch, PositionsOffTheBoardGiveNothing) {
    FinderBoard b = Board({"#######", "#     #", "# $@  #", "#     #", "#######"});
    Reach(b, PlayMode::Forward, b.At(2, 2));
    for (const int p : {-1, 35, 99999}) {
        b.finder.BoxReach(PlayMode::Forward, p, b.board.Keeper);
        EXPECT_EQ(b.BoxBits(0xFF), test::RowsOfCells(b.Cells(), 5, 7)) << p;
        EXPECT_TRUE(b.finder.BoxPath(PlayMode::Forward, p, b.At(2, 4), b.board.Keeper).empty());
        EXPECT_TRUE(b.finder.BoxPath(PlayMode::Forward, b.At(2, 2), p, b.board.Keeper).empty());
        EXPECT_TRUE(b.finder.BoxPath(PlayMode::Forward, b.At(2, 2), b.At(2, 4), p).empty());
        EXPECT_FALSE(b.finder.KeeperCanReach(PlayMode::Forward, p, b.board.Keeper, b.At(2, 1)));
        EXPECT_FALSE(b.finder.KeeperCanReach(PlayMode::Forward, b.At(2, 2), b.board.Keeper, p));
        EXPECT_FALSE(b.finder.KeeperReachTo(PlayMode::Forward, b.At(2, 2), p, b.At(2, 1)));
        EXPECT_FALSE(b.finder.IsBoxReachFwd(p));
    }
}

INSTANTIATE_TEST_SUITE_P(FastAndReference, BoxSearch, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Reference" : "Fast";
                         });

TEST(BoxReach, StopsGrowingAtTenThousandStates) {
    Rows rows(100, std::string(100, ' '));
    rows.front() = rows.back() = std::string(100, '#');
    for (std::string& row : rows) {
        row.front() = row.back() = '#';
    }
    rows[50][50] = '$';
    rows[50][51] = '@';
    FinderBoard b(rows);
    b.finder.SelectBox(b.Cells(), b.At(50, 50));
    b.finder.BoxReach(PlayMode::Forward, b.At(50, 50), b.At(50, 51));
    int marked = 0;
    for (int p = 0; p < 100 * 100; ++p) {
        marked += b.finder.IsBoxReachFwd(p);
    }
    // The box could reach every inner square; the capped search stops near the start.
    EXPECT_LT(marked, 10000 / 2);
    EXPECT_TRUE(b.finder.IsBoxReachFwd(b.At(50, 60)));
    EXPECT_FALSE(b.finder.IsBoxReachFwd(b.At(2, 2)));
}

} // namespace
} // namespace lodrin
