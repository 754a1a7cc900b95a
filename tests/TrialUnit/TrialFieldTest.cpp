// The trial field without a window: the mouse table row by row, keys and turns,
// fitting the view, wall masks under the eight turns, and what survives a new
// opening.

#include "TrialUnit/TrialField.h"
#include "TrialFixture.h"
#include "board/LevelText.h"
#include "board/WallMask.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

#include <array>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;
using test::TrialBoardFromRows;

class TRecordingFieldView : public TTrialFieldView {
public:
    void ShowMessage(std::string_view text) override { Message = text; }
    void ShowCounters(int moves, int pushes) override {
        Moves = moves;
        Pushes = pushes;
    }
    std::string Message;
    int Moves = -1;
    int Pushes = -1;
};

// A trial field on a board written as rows, opened as the window opens it.
struct Field {
    Field(const Rows& rows, PlayMode mode = PlayMode::Forward) : field(&view) {
        field.HandOver(TrialBoardFromRows(rows), mode);
        field.Open();
    }
    int At(int row, int col) const { return row * field.Play().TrialCols() + col; }
    // Clicks the square showing board cell (row, col) under the current turn.
    TrialResponse Click(int row, int col, bool left = true) {
        const TTrialPlay& play = field.Play();
        const ViewCell at = BoardToView(field.Turn(), row, col, play.TrialRows(), play.TrialCols());
        return field.MouseDown(at, left);
    }
    Rows Board() const {
        return test::RowsOfCells(field.Play().Cells(), field.Play().TrialRows(),
                                 field.Play().TrialCols());
    }
    // The board with 'o' on the squares the selected box can be brought to.
    Rows BoxMarks() const {
        Rows rows = Board();
        for (int p = 0; p < field.Play().CellCount(); ++p) {
            if (field.BoxMarkAt(p)) {
                rows[static_cast<std::size_t>(p / field.Play().TrialCols())]
                    [static_cast<std::size_t>(p % field.Play().TrialCols())] = 'o';
            }
        }
        return rows;
    }

    TRecordingFieldView view;
    TTrialField field;
};

constexpr TrialResponse Redraw{true};
constexpr TrialResponse Nothing{};

// Box A in a dead corner, box B free to move; the keeper beside B.
const Rows TwoBoxes = {"#######", "#$    #", "#  $@ #", "#   . #", "#######"};

TEST(TrialField, ClickingTheKeeperShowsAndHidesItsReach) {
    Field f({"######", "#@ # #", "######"});
    EXPECT_EQ(f.Click(1, 1), Redraw);
    EXPECT_TRUE(f.field.ShowKeeperReach());
    EXPECT_TRUE(f.field.MarksShown());
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 2)), KeeperMark::Reach);
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 4)), KeeperMark::None) << "behind the wall";
    EXPECT_EQ(f.Click(1, 1), Redraw);
    EXPECT_FALSE(f.field.ShowKeeperReach());
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 2)), KeeperMark::None) << "hidden marks are not drawn";
}

// One box beside the keeper; one push into the corridor leaves room to walk round.
const Rows OnePush = {"#######", "#@$   #", "##   ##", "#######"};

TEST(TrialField, ReachShowsSquaresGoneThroughAndTheBoxesPassed) {
    Field f(OnePush);
    f.Click(1, 1);
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 1)), KeeperMark::Reach);
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 2)), KeeperMark::PassableBox);
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(1, 3)), KeeperMark::Passed);
    EXPECT_EQ(f.field.KeeperMarkAt(f.At(0, 3)), KeeperMark::None);
}

TEST(TrialField, SelectingABoxMarksItsReachAndAClickPushesItThere) {
    Field f(TwoBoxes);
    f.Click(1, 1); // a click on the keeper's square would show its reach; a box click hides it
    EXPECT_EQ(f.Click(2, 3), Redraw);
    EXPECT_TRUE(f.field.BoxSelected());
    EXPECT_EQ(f.field.SelectedBox(), f.At(2, 3));
    EXPECT_FALSE(f.field.ShowKeeperReach());
    EXPECT_EQ(f.BoxMarks(), (Rows{"#######", "#$oooo#", "#ooooo#", "#ooooo#", "#######"}));
    EXPECT_EQ(f.Click(2, 1), Redraw);
    EXPECT_FALSE(f.field.BoxSelected());
    EXPECT_EQ(f.field.Play().MoveRecord(), "LL");
    EXPECT_EQ(f.Board(), (Rows{"#######", "#$    #", "#$@   #", "#   . #", "#######"}));
    EXPECT_EQ(f.field.Play().UndoMark(), 0) << "one undo step takes the click back";
    EXPECT_EQ(f.view.Moves, 2);
    EXPECT_EQ(f.view.Pushes, 2);
}

TEST(TrialField, ClicksThatOnlyDropTheSelection) {
    Field f(TwoBoxes);
    f.Click(2, 3);
    EXPECT_EQ(f.Click(2, 3), Redraw) << "the selected box again";
    EXPECT_FALSE(f.field.BoxSelected());
    f.Click(1, 1); // the box in the corner cannot move: only its own square is marked
    EXPECT_EQ(f.BoxMarks(), (Rows{"#######", "#o    #", "#  $@ #", "#   . #", "#######"}));
    EXPECT_EQ(f.Click(3, 3), Redraw) << "a free square without the mark";
    EXPECT_FALSE(f.field.BoxSelected());
    EXPECT_TRUE(f.field.Play().MoveRecord().empty());
    f.Click(2, 3);
    EXPECT_EQ(f.Click(0, 3), Redraw) << "a wall";
    EXPECT_FALSE(f.field.MarksShown());
    f.Click(2, 3);
    EXPECT_EQ(f.Click(3, 3, false), Redraw) << "another button only redraws";
    EXPECT_TRUE(f.field.BoxSelected());
    EXPECT_EQ(f.field.MouseDown({40, 40}, true), Redraw) << "off the view";
    EXPECT_TRUE(f.field.BoxSelected());
    EXPECT_TRUE(f.field.Play().MoveRecord().empty());
}

TEST(TrialField, TheKeeperSquareIsATargetOfTheSelectedBox) {
    Field f(TwoBoxes);
    f.Click(2, 3);
    ASSERT_TRUE(f.field.BoxMarkAt(f.At(2, 4)));
    EXPECT_EQ(f.Click(2, 4), Redraw);
    EXPECT_EQ(f.Board(), (Rows{"#######", "#$    #", "#  @$ #", "#   . #", "#######"}));
    EXPECT_FALSE(f.field.BoxSelected());
}

TEST(TrialField, AClickOnAFreeSquareWalksTheKeeperThere) {
    Field f({"#######", "#@ # .#", "#  #  #", "#######"});
    f.Click(1, 1);
    EXPECT_EQ(f.Click(2, 2), Redraw);
    EXPECT_EQ(f.field.Play().MoveRecord(), "rd");
    EXPECT_FALSE(f.field.ShowKeeperReach()) << "a walk drops the marks";
    EXPECT_EQ(f.Click(1, 5), Redraw) << "a square the keeper cannot reach";
    EXPECT_EQ(f.field.Play().MoveRecord(), "rd");
    EXPECT_EQ(f.Board(), (Rows{"#######", "#  # .#", "# @#  #", "#######"}));
}

TEST(TrialField, ReverseWithoutAKeeperIgnoresClicksOnFreeSquaresAndBoxes) {
    Field f({"######", "# $  #", "######"}, PlayMode::Reverse);
    EXPECT_EQ(f.Click(1, 1), Nothing);
    EXPECT_EQ(f.Click(1, 2), Nothing);
    EXPECT_FALSE(f.field.BoxSelected());
    EXPECT_EQ(f.Click(0, 0), Redraw);
    f.field.Do({TrialAction::TypedMove, 'r'});
    EXPECT_EQ(f.view.Message, "人的位置异常！- [0, 1]");
}

TEST(TrialField, ReversePlayPullsTheSelectedBox) {
    Field f({"########", "# $@   #", "########"}, PlayMode::Reverse);
    f.Click(1, 2);
    EXPECT_EQ(f.BoxMarks(), (Rows{"########", "# oooo #", "########"}));
    f.Click(1, 5);
    EXPECT_EQ(f.field.Play().MoveRecord(), "RRR");
    EXPECT_EQ(f.Board(), (Rows{"########", "#    $@#", "########"}));
}

TEST(TrialField, AnyMoveDropsTheMarks) {
    Field f(TwoBoxes);
    for (const TrialCommand move :
         {TrialCommand{TrialAction::TypedMove, 'd'}, TrialCommand{TrialAction::UndoStep},
          TrialCommand{TrialAction::RedoMove}, TrialCommand{TrialAction::UndoAll}}) {
        f.Click(2, 3);
        ASSERT_TRUE(f.field.BoxSelected());
        EXPECT_EQ(f.field.Do(move), Redraw);
        EXPECT_FALSE(f.field.MarksShown()) << static_cast<int>(move.Action);
    }
}

TEST(TrialField, TurnOneTurnsTheArrowsAndTheClicks) {
    Field f({"#@ ", "#  ", "$  "});
    f.field.SetTurn(1);
    f.field.Do({TrialAction::TypedMove, 'l'});
    EXPECT_EQ(f.field.Play().MoveRecord(), "d");
    // View square (0, 0) shows board cell (TrialRows - 1, 0): the box.
    EXPECT_EQ(f.field.CellAt({0, 0}), f.At(2, 0));
    f.field.MouseDown({0, 0}, true);
    EXPECT_EQ(f.field.SelectedBox(), f.At(2, 0));
    f.field.Do({TrialAction::TypedMove, 'R'});
    EXPECT_EQ(f.field.Play().MoveRecord(), "du") << "upper case steps without a box";
}

TEST(TrialField, TurnsWrapBothWays) {
    Field f({"###", "#@#", "###"});
    for (int i = 1; i <= 8; ++i) {
        const TrialResponse response = f.field.Do({TrialAction::TurnNext});
        EXPECT_TRUE(response.TurnChanged);
        EXPECT_EQ(f.field.Turn(), i % 8);
    }
    f.field.Do({TrialAction::TurnPrevious});
    EXPECT_EQ(f.field.Turn(), 7);
    f.field.Do({TrialAction::TurnReset});
    EXPECT_EQ(f.field.Turn(), 0);
    EXPECT_EQ(f.field.SetTurn(8), Nothing);
    EXPECT_EQ(f.field.Turn(), 0);
}

TEST(TrialField, OddEvenRedrawsOnlyWhenItChanges) {
    Field f({"###", "#@#", "###"});
    EXPECT_EQ(f.field.Do({TrialAction::OddEvenOn}), Redraw);
    EXPECT_TRUE(f.field.OddEven());
    EXPECT_EQ(f.field.Do({TrialAction::OddEvenOn}), Nothing) << "E repeating while held";
    EXPECT_EQ(f.field.Do({TrialAction::OddEvenOff}), Redraw);
    EXPECT_FALSE(f.field.OddEven());
}

TEST(TrialField, GoThroughSwitchesTheFinder) {
    Field f(OnePush);
    EXPECT_TRUE(f.field.GoThrough());
    EXPECT_TRUE(f.field.Finder().GoThrough());
    TrialResponse toggled;
    toggled.GoThroughChanged = true;
    EXPECT_EQ(f.field.Do({TrialAction::ToggleGoThrough}), toggled);
    EXPECT_FALSE(f.field.Finder().GoThrough());
    f.Click(1, 5);
    EXPECT_TRUE(f.field.Play().MoveRecord().empty()) << "the box blocks the way";
    f.field.Do({TrialAction::ToggleGoThrough});
    f.Click(1, 5);
    EXPECT_EQ(f.field.Play().MoveRecord(), "RdrruLrr");
    EXPECT_EQ(f.Board(), (Rows{"#######", "# $  @#", "##   ##", "#######"}));
}

TEST(TrialField, ClipboardMovesAreAllPlayedAndNoTextDoesNothing) {
    Field f({"#######", "#@    #", "#######"});
    EXPECT_EQ(f.field.PasteMoves(std::nullopt), Nothing);
    EXPECT_EQ(f.field.Play().MoveCount(), 0);
    EXPECT_EQ(f.field.PasteMoves("rr\nrr"), Redraw);
    EXPECT_EQ(f.field.Play().MoveRecord(), "rrrr");
    EXPECT_EQ(f.field.CopyMoves(), "rrrr");
    EXPECT_EQ(f.view.Message, "动作 Lurd 送入剪切板！");
}

TEST(TrialField, ReverseExportPlacesTheKeeperInTheEditorsLevel) {
    const Board level = test::BoardFromRows({"", "  #####", "  #*@ #", "  #####"});
    TMapNode node;
    node.Title = "t";
    const TrialHandOver h = HandOverToTrial(level);
    ASSERT_TRUE(h.Ok());
    TRecordingFieldView view;
    TTrialField field(&view);
    field.HandOver(h.Board, PlayMode::Reverse);
    field.Open();
    field.Do({TrialAction::TypedMove, 'R'});
    const std::string text = field.Export(level, node);
    EXPECT_EQ(text, "\n; SXB 为关卡逆推初态\n" + MakeLevelText(level, node) + "[4, 2]\nR\n");
    EXPECT_EQ(view.Message, "XSB + Lurd 已送入剪切板！");
}

TEST(TrialField, FittingTheViewToThePanel) {
    Field f({"#####", "#@  #", "#   #", "#####"}); // 4 rows, 5 columns
    struct Case {
        int Turn, Width, Height, Tile;
        int Cell;
        ViewPlacement Place;
    };
    const Case cases[] = {
        {0, 800, 600, 60, 60, {250, 180, 300, 240}},
        {0, 800, 600, 40, 40, {300, 220, 200, 160}}, // never larger than the tiles
        {1, 800, 600, 200, 120, {160, 0, 480, 600}}, // odd turns swap width and height
        {0, 35, 28, 60, 10, {-7, -6, 50, 40}},       // 7 becomes 10; drawn beyond the panel
        {1, 800, 130, 200, 26, {348, 0, 104, 130}},
    };
    for (const Case& c : cases) {
        f.field.SetTurn(c.Turn);
        EXPECT_EQ(f.field.FitView(c.Width, c.Height, c.Tile), c.Place)
            << c.Width << "x" << c.Height;
        EXPECT_EQ(f.field.CellSize(), c.Cell);
    }
}

TEST(TrialField, BoardsOfTwoRowsOrColumnsKeepTheSquareSize) {
    Field f({"#####", "#@  #", "#####"});
    f.field.FitView(800, 600, 60);
    ASSERT_EQ(f.field.CellSize(), 60);
    Field narrow({"@ ", "  "});
    narrow.field.FitView(800, 600, 60);
    EXPECT_EQ(narrow.field.CellSize(), 10) << "the first fit of a 2 x 2 board starts from nothing";
    f.field.HandOver(TrialBoardFromRows({"@ $", ". #"}), PlayMode::Forward);
    EXPECT_EQ(f.field.FitView(100, 100, 60), (ViewPlacement{-40, -10, 180, 120}));
}

TEST(TrialField, AHandOverStartsANewPlayAndKeepsTheViewSettings) {
    Field f(TwoBoxes);
    f.field.SetTurn(3);
    f.field.FitView(500, 500, 60);
    const int cell = f.field.CellSize();
    f.field.Do({TrialAction::ToggleGoThrough});
    f.field.Do({TrialAction::TypedMove, 'u'});
    f.Click(2, 3);
    ASSERT_EQ(f.field.Play().MoveCount(), 1);
    f.field.Close();
    EXPECT_FALSE(f.field.MarksShown());
    f.field.HandOver(TrialBoardFromRows(TwoBoxes), PlayMode::Reverse);
    f.field.Open();
    EXPECT_EQ(f.field.Play().MoveCount(), 0);
    EXPECT_EQ(f.field.Play().KeeperPos(), f.At(2, 4));
    EXPECT_EQ(f.field.Mode(), PlayMode::Reverse);
    EXPECT_EQ(f.field.Turn(), 3);
    EXPECT_EQ(f.field.CellSize(), cell);
    EXPECT_FALSE(f.field.GoThrough());
    EXPECT_FALSE(f.field.Finder().GoThrough());
    EXPECT_EQ(f.field.Finder().Width(), 7);
    EXPECT_EQ(f.field.Finder().Height(), 5);
}

// The screen sides of a wall's board neighbours under each turn, in the order
// board-left, board-up, board-right, board-down.
constexpr std::array<std::array<int, 4>, 8> NeighbourSides = {{
    {1, 2, 4, 8},
    {2, 4, 8, 1},
    {4, 8, 1, 2},
    {8, 1, 2, 4},
    {4, 2, 1, 8},
    {8, 4, 2, 1},
    {1, 8, 4, 2},
    {2, 1, 8, 4},
}};

TEST(TrialField, WallMaskNamesTheNeighboursOnTheScreen) {
    // The wall in the middle of a 3 x 4 board with one wall beside it.
    const Rows neighbour[] = {
        {"    ", " ## ", "    "}, // board-left
        {" #  ", " #  ", "    "}, // board-up (the middle wall is at row 1, column 1)
        {"    ", " ## ", "    "}, // board-right of the wall at column 1 is column 2
        {"    ", " #  ", " #  "}, // board-down
    };
    for (int turn = 0; turn < 8; ++turn) {
        for (int side = 0; side < 4; ++side) {
            Field f(neighbour[side]);
            f.field.SetTurn(turn);
            // For board-left the masked wall is the right one of the pair.
            const int col = side == 0 ? 2 : 1;
            EXPECT_EQ(
                f.field.GetWall(1, col),
                NeighbourSides[static_cast<std::size_t>(turn)][static_cast<std::size_t>(side)])
                << "turn " << turn << " side " << side;
        }
    }
}

TEST(TrialField, OnlyTheLowerRightSquareOfABlockOnTheScreenGetsTheCorner) {
    Field f({"    ", " ## ", " ## ", "    ", "    "});
    for (int turn = 0; turn < 8; ++turn) {
        f.field.SetTurn(turn);
        int corners = 0;
        for (const auto& [r, c] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}}) {
            const int mask = f.field.GetWall(r, c);
            const ViewCell at = BoardToView(turn, r, c, 5, 4);
            const ViewCell other = BoardToView(turn, r == 1 ? 2 : 1, c == 1 ? 2 : 1, 5, 4);
            const bool lowerRight = at.X > other.X && at.Y > other.Y;
            EXPECT_EQ((mask & WallBlockCorner) != 0, lowerRight) << "turn " << turn;
            EXPECT_EQ(mask & 15, lowerRight ? (WallOnLeft | WallAbove) : mask & 15);
            corners += (mask & WallBlockCorner) != 0;
        }
        EXPECT_EQ(corners, 1) << "turn " << turn;
    }
}

} // namespace
} // namespace lodrin
