// The recognition state: new pictures, cell actions by tool and button, clearing, the visits
// of the window and the editor's side (take-over and mirror).

#include "Recog_/RecogState.h"

#include "SyntheticLevel.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin {
namespace {

// A state holding a 420 x 300 screenshot of a small level: cells of 30 pixels from (15, 12).
class RecogStateTest : public ::testing::Test {
protected:
    const std::vector<std::string> rows = {"#######", "#-.$--#", "#-$*.-#", "#--@--#", "#######"};
    TRecogState state;

    void SetUp() override {
        ASSERT_TRUE(state.OpenPicture(test::PaintLevel(rows, 30, 15, 12, 420, 300)));
        state.Frame.SetValue(FrameBox::Left, 15);
        state.Frame.SetValue(FrameBox::Top, 12);
        state.Frame.SetValue(FrameBox::Right, 15 + 7 * 30 - 1);
        state.Frame.SetValue(FrameBox::Bottom, 12 + 5 * 30 - 1);
        state.Frame.SetValue(FrameBox::RowHeight, 30);
        state.Frame.SetValue(FrameBox::ColWidth, 30);
        ASSERT_EQ(state.Grid().Rows, 5);
        ASSERT_EQ(state.Grid().Cols, 7);
    }

    void Left(int r, int c, RecogTool tool, bool manual = false) {
        state.CellAction(r, c, RecogButton::Left, tool, manual);
    }
    std::string Snapshot() const { return state.Results.SnapshotText(state.Grid()); }
    char At(int r, int c) const { return state.Results.RecogMap.At(r, c); }
};

TEST_F(RecogStateTest, NewPictureResetsZoomFrameAndRecognition) {
    Left(0, 0, RecogTool::ToolWall);
    state.CycleZoom();
    const CellFeatures sample = state.SampleFeatures;
    EXPECT_TRUE(state.HasSample);
    const auto version = state.PictureVersion();
    EXPECT_FALSE(state.OpenPicture(RgbPicture())); // refused: nothing changes
    EXPECT_EQ(state.ZoomFactor(), 2);
    EXPECT_EQ(At(0, 0), '#');
    ASSERT_TRUE(state.OpenPicture(RgbPicture(800, 600)));
    EXPECT_EQ(state.PictureVersion(), version + 1);
    EXPECT_EQ(state.ZoomFactor(), 1);
    EXPECT_EQ(state.Frame.Values(), (FrameValues{50, 50, 750, 550, 50, 50}));
    EXPECT_EQ(state.Results.RecogMap, RecogCharGrid{});
    EXPECT_TRUE(state.Results.UndoList.empty());
    EXPECT_EQ(state.SampleFeatures, sample); // the sample stays until the next sweep
    ASSERT_TRUE(state.CapturePicture(RgbPicture(1920, 1080)));
    EXPECT_EQ(state.Frame.Box(FrameBox::Bottom).Minimum, 51);
}

TEST_F(RecogStateTest, SweepMarksAKindAndOneUndoRemovesItAll) {
    Left(1, 2, RecogTool::ToolGoal);
    EXPECT_EQ(state.SampleCell, (DisplayRect{75, 42, 105, 72}));
    EXPECT_EQ(Snapshot(), "-------\n--.----\n----.--\n-------\n-------");
    EXPECT_EQ(state.SamplePattern, PatternPicture(state.SampleFeatures.Pattern));
    EXPECT_EQ(state.SamplePatchRect(), (PictureRect{77, 44, 26, 26}));
    Left(0, 0, RecogTool::ToolWall);
    EXPECT_EQ(state.Counts(), (RecogCounts{0, 2}));
    EXPECT_EQ(state.Results.UndoList.size(), 2u);
    ASSERT_TRUE(state.Undo());
    EXPECT_EQ(Snapshot(), "-------\n--.----\n----.--\n-------\n-------");
    ASSERT_TRUE(state.Redo());
    EXPECT_EQ(At(4, 6), '#');
}

TEST_F(RecogStateTest, ElementToolsWithAndWithoutManualEditing) {
    Left(1, 3, RecogTool::ToolBox); // a sweep: both plain boxes
    EXPECT_EQ(At(2, 2), '$');
    Left(1, 3, RecogTool::ToolGoal); // a recognised cell: only this one changes, no sweep
    EXPECT_EQ(At(1, 3), '.');
    EXPECT_EQ(At(1, 2), '-');
    Left(0, 0, RecogTool::ToolWall, true);
    EXPECT_EQ(At(0, 0), '#');
    EXPECT_EQ(At(0, 1), '-'); // manual: one cell
    Left(0, 0, RecogTool::ToolWall, true);
    EXPECT_EQ(At(0, 0), '-');
    Left(2, 2, RecogTool::ToolWall, true);
    EXPECT_EQ(At(2, 2), '#');
}

TEST_F(RecogStateTest, OtherButtonsEraseAndEveryActionPushesASnapshot) {
    Left(3, 3, RecogTool::ToolPlayer);
    EXPECT_EQ(state.Results.RecogKeeperCell, (RecogCell{3, 3}));
    const std::string before = Snapshot();
    state.CellAction(0, 0, RecogButton::Right, RecogTool::ToolWall, false); // '-': no change
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(state.Results.UndoList.size(), 2u);
    ASSERT_TRUE(state.Undo());
    EXPECT_EQ(Snapshot(), before);
    state.CellAction(3, 3, RecogButton::Middle, RecogTool::ToolGoal, true);
    EXPECT_EQ(At(3, 3), '-');
    EXPECT_TRUE(state.Results.RecogKeeperCell.IsNone());
    Left(3, 3, RecogTool::ToolPlayer);
    Left(3, 3, RecogTool::ToolErase);
    EXPECT_EQ(At(3, 3), '-');
    EXPECT_TRUE(state.Results.RecogKeeperCell.IsNone());
}

TEST_F(RecogStateTest, KeeperOverwrittenByABoxIsGone) {
    Left(3, 3, RecogTool::ToolPlayer);
    Left(3, 3, RecogTool::ToolBox); // not '-': the cell becomes a box, the keeper goes
    EXPECT_EQ(At(3, 3), '$');
    Left(1, 1, RecogTool::ToolPlayer);
    EXPECT_EQ(At(3, 3), '$');
    EXPECT_EQ(At(1, 1), '@');
    ASSERT_TRUE(state.Undo()); // back to no keeper, then a placement changes one cell only
    const std::string before = Snapshot();
    Left(2, 4, RecogTool::ToolPlayer);
    std::string expected = before;
    expected[2 * 8 + 4] = '@';
    EXPECT_EQ(Snapshot(), expected);
}

TEST_F(RecogStateTest, IgnoredActions) {
    Left(5, 0, RecogTool::ToolWall); // below the grid
    Left(0, 0, RecogTool::ToolFrame);
    EXPECT_TRUE(state.Results.UndoList.empty());
    TRecogState empty;
    empty.CellAction(0, 0, RecogButton::Left, RecogTool::ToolWall, true);
    EXPECT_EQ(empty.Results.RecogMap, RecogCharGrid{});
    EXPECT_FALSE(empty.XsbText());
    EXPECT_FALSE(empty.Undo());
    int asked = 0;
    EXPECT_FALSE(empty.Clear([&](std::string_view) { return ++asked, true; }));
    EXPECT_EQ(asked, 0);
}

TEST_F(RecogStateTest, ClearAsksAndCanBeUndone) {
    Left(0, 0, RecogTool::ToolWall);
    std::vector<std::string> asked;
    EXPECT_FALSE(state.Clear([&](std::string_view q) { return asked.emplace_back(q), false; }));
    EXPECT_EQ(asked, (std::vector<std::string>{"清空已做的全部识别，确定吗？"}));
    EXPECT_EQ(At(0, 0), '#');
    EXPECT_TRUE(state.Clear([](std::string_view) { return true; }));
    EXPECT_EQ(state.Results.RecogMap, RecogCharGrid{});
    EXPECT_EQ(state.Results.SimilarityMap, SimilarityGrid{});
    EXPECT_TRUE(state.Undo());
    EXPECT_EQ(At(0, 0), '#');
    EXPECT_EQ(*state.XsbText(), "#######\n#-----#\n#-----#\n#-----#\n#######\n");
}

TEST_F(RecogStateTest, VisitsKeepOrRestoreTheFrameAndTheFlag) {
    state.RecognizedLevelInForce = true;
    state.BeginVisit();
    EXPECT_FALSE(state.RecognizedLevelInForce);
    state.Frame.SetValue(FrameBox::ColWidth, 40);
    state.OpenPicture(RgbPicture(900, 700));
    state.DeclineVisit();
    EXPECT_EQ(state.Frame.Values(), (FrameValues{15, 12, 224, 161, 30, 30}));
    EXPECT_TRUE(state.RecognizedLevelInForce);
    EXPECT_EQ(state.Picture().Width(), 900); // the new picture stays

    state.BeginVisit();
    state.AcceptVisit();
    EXPECT_TRUE(state.RecognizedLevelInForce);

    TRecogState fresh; // nothing saved above 0: the default frame of the current picture
    fresh.BeginVisit();
    fresh.OpenPicture(RgbPicture(800, 600));
    fresh.Frame.SetValue(FrameBox::Left, 300);
    fresh.DeclineVisit();
    EXPECT_EQ(fresh.Frame.Values(), (FrameValues{50, 50, 750, 550, 50, 50}));
    EXPECT_FALSE(fresh.RecognizedLevelInForce);
}

TEST_F(RecogStateTest, EditorTakesOverAllCellsAndMirrorsItsBoard) {
    Left(0, 0, RecogTool::ToolWall);
    Left(3, 3, RecogTool::ToolPlayer);
    state.Results.RecogMap.At(60, 70) = '$'; // from an earlier, larger frame
    Board board = test::BoardFromRows({"...."});
    const std::optional<ColRow> keeper = state.ReadIntoBoard(board);
    EXPECT_EQ(keeper, (ColRow{4, 4}));
    EXPECT_EQ(board.At(0, 1), Wall);
    EXPECT_EQ(board.At(0, 3), Wall); // the old goals are gone
    EXPECT_EQ(board.At(60, 70), Box);

    const Board edited = test::BoardFromRows({"#####", "#@$.#", "#####"});
    state.Mirror(edited, {2, 2}); // no level in force: nothing mirrored
    EXPECT_EQ(At(1, 1), '-');
    state.AcceptVisit();
    state.Mirror(edited, {2, 2});
    EXPECT_EQ(state.Results.SnapshotText({3, 6}), "#####-\n#@$.#-\n#####-");
    EXPECT_EQ(At(60, 70), '-');
    EXPECT_EQ(state.Results.RecogKeeperCell, (RecogCell{1, 1}));

    Board noKeeper = edited;
    noKeeper.Set(1, 1, Floor); // the keeper erased: no keeper cell is left pointing there
    state.Mirror(noKeeper, {2, 2});
    EXPECT_TRUE(state.Results.RecogKeeperCell.IsNone());
    noKeeper.Set(1, 3, PlayerOnGoal); // a keeper the recorded position does not know
    state.Mirror(noKeeper, {2, 2});
    EXPECT_EQ(state.Results.RecogKeeperCell, (RecogCell{3, 1}));

    state.EndForce();
    state.Mirror(test::BoardFromRows({"$"}), {});
    EXPECT_EQ(At(0, 0), '#');
}

} // namespace
} // namespace lodrin
