// Recognition results: snapshots, restoring, undo and redo, counts and the clipboard text.

#include "Recog_/RecogResults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin {
namespace {

class RecogResultsTest : public ::testing::Test {
protected:
    TRecogResults results;

    void Fill(const std::vector<std::string>& rows) {
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
                results.RecogMap.At(r, c) = rows[r][c];
            }
        }
    }
};

TEST_F(RecogResultsTest, SnapshotAndClipboardTextOfTheGrid) {
    Fill({"#@-", "-$."});
    EXPECT_EQ(results.SnapshotText({2, 3}), "#@-\n-$.");
    EXPECT_EQ(results.XsbText({2, 3}), "#@-\n-$.\n");
    EXPECT_EQ(results.SnapshotText({3, 4}).size(), 14u);
    EXPECT_EQ(results.SnapshotText({1, 1}), "#");
    EXPECT_EQ(results.XsbText({1, 1}), "#\n");
    EXPECT_EQ(results.SnapshotText({0, 0}), "");
    // Counts beyond the map are held at its 100 rows and columns.
    EXPECT_EQ(results.XsbText({500, 120}).size(), 100u * 101u);
    EXPECT_EQ(results.Counts({2, 3}), (RecogCounts{1, 1}));
}

TEST_F(RecogResultsTest, CountsBoxesAndGoalsOfTheGridOnly) {
    Fill({"$*.+@#", "------", "$$$$$$"});
    EXPECT_EQ(results.Counts({2, 6}), (RecogCounts{2, 3}));
    EXPECT_EQ(results.Counts({3, 2}), (RecogCounts{4, 1}));
}

TEST_F(RecogResultsTest, SetXsbRestoresFromTheTopLeftAndClearsTheRest) {
    Fill({"######", "######"});
    results.SimilarityMap.At(0, 0) = 77;
    results.RecogKeeperCell = {5, 1};
    results.SetXSB("@.\n$+");
    EXPECT_EQ(results.SnapshotText({3, 6}), "@.----\n$+----\n------");
    EXPECT_EQ(results.RecogKeeperCell, (RecogCell{1, 1})); // the last keeper met wins
    EXPECT_EQ(results.SimilarityMap.At(0, 0), 0);
    results.SetXSB("");
    EXPECT_EQ(results.RecogMap, RecogCharGrid{});
    EXPECT_TRUE(results.RecogKeeperCell.IsNone());
}

TEST_F(RecogResultsTest, SetXsbStaysWithinTheMap) {
    std::string text;
    for (int r = 0; r < 130; ++r) {
        text += std::string(150, r % 2 ? '#' : 'x') + "\n";
    }
    results.SetXSB(text);
    EXPECT_EQ(results.RecogMap.At(99, 99), '#');
    EXPECT_EQ(results.RecogMap.At(98, 99), '-'); // not an element character
    results.SetXSB("###\n#\n#####");             // ragged lines: the first line's width
    EXPECT_EQ(results.SnapshotText({3, 5}), "###--\n#----\n###--");
}

TEST_F(RecogResultsTest, UndoAndRedoExchangeSnapshots) {
    EXPECT_FALSE(results.Undo({2, 2}));
    EXPECT_FALSE(results.Redo({2, 2}));
    results.SetUnDoReDo(false, {2, 2});
    Fill({"#"}); // action A
    ASSERT_TRUE(results.Undo({2, 2}));
    EXPECT_EQ(results.RecogMap.At(0, 0), '-');
    EXPECT_EQ(results.RedoList, (std::vector<std::string>{"#-\n--"}));
    results.SetUnDoReDo(false, {2, 2});
    Fill({"-$"}); // action B, the redo list survives it
    ASSERT_TRUE(results.Redo({2, 2}));
    EXPECT_EQ(results.SnapshotText({2, 2}), "#-\n--"); // the state after A; B is gone
    EXPECT_EQ(results.UndoList.back(), "-$\n--");
    ASSERT_TRUE(results.Undo({2, 2}));
    EXPECT_EQ(results.SnapshotText({2, 2}), "-$\n--"); // and B is back
    results.Reset();
    EXPECT_TRUE(results.UndoList.empty());
    EXPECT_TRUE(results.RedoList.empty());
}

TEST_F(RecogResultsTest, KeeperPlacementTogglesAndMoves) {
    Fill({".-#"});
    results.PlaceKeeper(0, 0);
    EXPECT_EQ(results.RecogMap.At(0, 0), '@'); // the goal under it is replaced
    results.PlaceKeeper(0, 0);
    EXPECT_EQ(results.RecogMap.At(0, 0), '+');
    results.PlaceKeeper(0, 2); // moves: '+' leaves a goal, the wall is replaced
    EXPECT_EQ(results.SnapshotText({1, 3}), ".-@");
    EXPECT_EQ(results.RecogKeeperCell, (RecogCell{2, 0}));
    results.PlaceKeeper(0, 1);
    EXPECT_EQ(results.SnapshotText({1, 3}), ".@-");
    results.PutElement(0, 1, '$'); // overwriting the keeper removes it
    EXPECT_TRUE(results.RecogKeeperCell.IsNone());
    results.PlaceKeeper(0, 0);
    EXPECT_EQ(results.SnapshotText({1, 3}), "@$-");
    results.EraseCell(0, 0);
    EXPECT_TRUE(results.RecogKeeperCell.IsNone());
    results.PlaceKeeper(100, 0); // outside the map: nothing
    EXPECT_TRUE(results.RecogKeeperCell.IsNone());
}

TEST_F(RecogResultsTest, ManualTogglesAndStaleKeeperCells) {
    Fill({"#$@"});
    results.ToggleElement(0, 0, '#');
    EXPECT_EQ(results.RecogMap.At(0, 0), '-');
    results.ToggleElement(0, 0, '#');
    EXPECT_EQ(results.RecogMap.At(0, 0), '#');
    results.ToggleElement(0, 1, '#');
    EXPECT_EQ(results.RecogMap.At(0, 1), '#');
    // A keeper cell that no longer holds the keeper is left alone by the next placement.
    results.RecogKeeperCell = {0, 0};
    results.PlaceKeeper(0, 1);
    EXPECT_EQ(results.SnapshotText({1, 3}), "#@@");
}

} // namespace
} // namespace lodrin
