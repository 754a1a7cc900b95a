#include "Editor_/EditorDocument.h"
#include "Recog_/RecogState.h"
#include "board/LevelText.h"
#include "support/BoardText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

// A scripted answer to every question, recording what was asked.
struct Answers {
    bool ok = true;
    std::vector<std::string> asked;
    ConfirmFn Fn() {
        return [this](std::string_view q) {
            asked.emplace_back(q);
            return ok;
        };
    }
};

class EditorDocumentTest : public ::testing::Test {
protected:
    void Click(EditTool tool, int row, int col) {
        doc.Tool = tool;
        doc.MouseDown(MouseButton::Left, row, col);
        doc.MouseUp();
    }
    std::int32_t Cell(int row, int col) const { return doc.board.At(row, col); }
    TEditorDocument doc;
};

// Each row: tool, the cell before, then the cells after one, two and three clicks.
TEST_F(EditorDocumentTest, ClickTableSequences) {
    struct Case {
        EditTool tool;
        std::int32_t start;
        std::vector<std::int32_t> after;
    };
    const Case cases[] = {
        {EditTool::BoxTool, Floor, {Box, BoxOnGoal, Box}},
        {EditTool::BoxTool, Goal, {BoxOnGoal, Box, BoxOnGoal}},
        {EditTool::GoalTool, Floor, {Goal, BoxOnGoal, Goal}},
        {EditTool::PlayerTool, Floor, {Player, PlayerOnGoal, Player}},
        {EditTool::WallTool, Box, {Wall, Wall}},
        {EditTool::FloorTool, PlayerOnGoal, {Floor}},
        {EditTool::BoxPlacement, Floor, {Box, Floor, Box}},
        {EditTool::BoxPlacement, Goal, {BoxOnGoal, Goal}},
        {EditTool::BoxPlacement, Wall, {Wall}},
        {EditTool::SelectTool, Box, {Box}},
    };
    for (const Case& c : cases) {
        doc.board.Set(5, 5, c.start);
        for (std::size_t i = 0; i < c.after.size(); ++i) {
            Click(c.tool, 5, 5);
            EXPECT_EQ(Cell(5, 5), c.after[i]) << static_cast<int>(c.tool) << " click " << i + 1;
        }
    }
}

TEST_F(EditorDocumentTest, DragPaintsWithoutToggling) {
    doc.board = test::BoardFromRows({"-.*$@+#"});
    doc.Tool = EditTool::BoxTool;
    doc.MouseDown(MouseButton::Left, 0, 0);
    for (int c = 1; c < 7; ++c) {
        doc.MouseMove(0, c);
    }
    doc.MouseMove(0, 6); // same cell again: nothing
    doc.MouseUp();
    EXPECT_EQ(test::RowsOf(doc.board, 1, 7), (Rows{"$**$$*$"}));
    EXPECT_EQ(doc.BoxCount, 7);

    doc.board = test::BoardFromRows({"-.*$@+#"});
    doc.PlayerPos = {5, 1};
    doc.Tool = EditTool::GoalTool;
    doc.MouseDown(MouseButton::Left, 1, 0);
    for (int c = 0; c < 7; ++c) {
        doc.MouseMove(0, c);
    }
    doc.MouseUp();
    EXPECT_EQ(test::RowsOf(doc.board, 1, 7), (Rows{"..**++."}));
    EXPECT_EQ(doc.PlayerPos, (ColRow{5, 1})); // a goal painted under the keeper keeps it
}

TEST_F(EditorDocumentTest, OneUndoTakesBackAWholeStroke) {
    doc.Tool = EditTool::WallTool;
    doc.MouseDown(MouseButton::Left, 2, 2);
    doc.MouseMove(2, 3);
    doc.MouseMove(2, 5); // skipped cells are not painted
    doc.MouseUp();
    EXPECT_EQ(test::RowsOf(doc.board, 1, 6)[0], "------");
    EXPECT_EQ(test::RowsOf(doc.board, 3, 6)[2], "--##-#");
    EXPECT_FALSE(doc.Saved);
    EXPECT_EQ(doc.UndoStack.size(), 1u);
    doc.Undo();
    EXPECT_EQ(doc.board, Board{});
    EXPECT_EQ(doc.RedoStack.size(), 1u);
}

TEST_F(EditorDocumentTest, KeeperPlacementAndPlayerPos) {
    doc.board.Set(1, 1, Goal);
    Click(EditTool::PlayerTool, 1, 1);
    EXPECT_EQ(Cell(1, 1), PlayerOnGoal);
    EXPECT_EQ(doc.PlayerPos, (ColRow{2, 2}));
    Click(EditTool::PlayerTool, 3, 4);
    EXPECT_EQ(Cell(1, 1), Goal);
    EXPECT_EQ(Cell(3, 4), Player);
    EXPECT_EQ(doc.PlayerPos, (ColRow{5, 4}));
    Click(EditTool::PlayerTool, 3, 4); // own square toggles the goal, nothing moves
    EXPECT_EQ(Cell(3, 4), PlayerOnGoal);

    Answers answers;
    doc.Shift(ShiftDirection::Right, answers.Fn());
    EXPECT_TRUE(answers.asked.empty()); // rightmost column empty: no question
    EXPECT_EQ(Cell(3, 5), PlayerOnGoal);
    EXPECT_EQ(doc.PlayerPos, (ColRow{5, 4})); // still names the old square
    Click(EditTool::PlayerTool, 7, 7);
    EXPECT_EQ(Cell(3, 5), PlayerOnGoal); // the old square no longer held it: two keepers now
    EXPECT_EQ(Cell(7, 7), Player);

    Click(EditTool::BoxPlacement, 7, 7);
    EXPECT_EQ(Cell(7, 7), Box);
    EXPECT_TRUE(doc.PlayerPos.IsNone());
}

TEST_F(EditorDocumentTest, RightButtonErasesInEveryDrawingTool) {
    doc.board = test::BoardFromRows({"*+$@#"});
    doc.PlayerPos = {4, 1};
    doc.Tool = EditTool::WallTool;
    doc.MouseDown(MouseButton::Right, 0, 0);
    for (int c = 1; c < 5; ++c) {
        doc.MouseMove(0, c);
    }
    doc.MouseUp();
    EXPECT_EQ(test::RowsOf(doc.board, 1, 5), (Rows{"..---"}));
    EXPECT_TRUE(doc.PlayerPos.IsNone());
    EXPECT_EQ(doc.UndoStack.size(), 1u);

    for (EditTool tool : {EditTool::SelectTool, EditTool::BoxPlacement}) {
        doc.board.Set(0, 0, Box);
        doc.Tool = tool;
        doc.MouseDown(MouseButton::Right, 0, 0);
        doc.MouseUp();
        EXPECT_EQ(Cell(0, 0), Box);
    }
}

TEST_F(EditorDocumentTest, SavedFlagFollowsTheOperations) {
    Click(EditTool::BoxPlacement, 0, 0);
    EXPECT_TRUE(doc.Saved); // box placement does not count as an edit
    Click(EditTool::SelectTool, 0, 0);
    EXPECT_TRUE(doc.Saved);
    Click(EditTool::GoalTool, 0, 1);
    EXPECT_FALSE(doc.Saved);
    doc.Copy();
    EXPECT_TRUE(doc.Saved);
    doc.Undo(); // the undo stack is not empty afterwards
    EXPECT_FALSE(doc.Saved);
    doc.MarkSaved();
    while (doc.UndoStack.size() > 1) {
        doc.Undo();
    }
    doc.MarkSaved();
    doc.Undo(); // the last entry: the stack is empty afterwards
    EXPECT_TRUE(doc.Saved);
    doc.Redo();
    EXPECT_FALSE(doc.Saved);
    doc.MarkSaved();
    doc.RedoStack.clear();
    doc.Redo(); // empty redo stack still marks modified
    EXPECT_FALSE(doc.Saved);
}

TEST_F(EditorDocumentTest, RedoStackSurvivesNewEdits) {
    Click(EditTool::WallTool, 0, 0); // board A: one wall
    const Board a = doc.board;
    Click(EditTool::WallTool, 0, 1); // board B: two walls
    const Board b = doc.board;
    doc.Undo(); // back to A, B on the redo stack
    EXPECT_EQ(doc.board, a);
    Click(EditTool::BoxTool, 5, 5); // C
    const Board c = doc.board;
    doc.Redo();
    EXPECT_EQ(doc.board, b);
    doc.Undo();
    EXPECT_EQ(doc.board, c); // the edit's board went onto the undo stack
}

TEST_F(EditorDocumentTest, SnapshotKeepsTheLevelInPlace) {
    EXPECT_EQ(doc.SnapshotText(), "");
    doc.board.Set(1, 2, Wall);
    doc.board.Set(2, 0, Player);
    EXPECT_EQ(doc.SnapshotText(), "---\n--#\n@--");
    doc.PlayerPos = {};
    doc.RestoreSnapshot("-\n-#\n+");
    EXPECT_EQ(Cell(1, 1), Wall);
    EXPECT_EQ(Cell(2, 0), PlayerOnGoal);
    EXPECT_EQ(Cell(1, 2), Floor);
    EXPECT_EQ(doc.PlayerPos, (ColRow{1, 3}));
}

TEST_F(EditorDocumentTest, ShiftsAskOnlyWhenSomethingIsLost) {
    doc.board.Set(0, 3, Wall);
    Answers answers;
    answers.ok = false;
    doc.Shift(ShiftDirection::Up, answers.Fn());
    EXPECT_EQ(answers.asked, (std::vector<std::string>{"最顶行上的元素会丢失，确定吗？"}));
    EXPECT_EQ(Cell(0, 3), Wall); // cancelled
    EXPECT_EQ(doc.UndoStack.size(), 1u);
    EXPECT_FALSE(doc.Saved);

    answers.ok = true;
    doc.Shift(ShiftDirection::Down, answers.Fn());
    doc.Shift(ShiftDirection::Left, answers.Fn());
    EXPECT_EQ(Cell(1, 2), Wall);
    EXPECT_EQ(answers.asked.size(), 1u); // nothing lost by either shift

    doc.board.Clear();
    doc.board.Set(99, 0, Box);
    doc.Shift(ShiftDirection::Down, answers.Fn());
    EXPECT_EQ(answers.asked.back(), "最底行上的元素会丢失，确定吗？");
    EXPECT_EQ(doc.board, Board{});
    doc.board.Set(5, 99, Box);
    doc.Shift(ShiftDirection::Right, answers.Fn());
    EXPECT_EQ(answers.asked.back(), "最右列上的元素会丢失，确定吗？");
}

TEST_F(EditorDocumentTest, ClearOperations) {
    const Rows level = {"#.$*@+-"};
    struct Case {
        ClearKind kind;
        std::string after;
    };
    for (const Case& c : {Case{ClearKind::Boxes, "#.-.@+-"}, Case{ClearKind::Goals, "#-$$@@-"},
                          Case{ClearKind::KeepWalls, "#------"}}) {
        doc.board = test::BoardFromRows(level);
        doc.MarkSaved();
        doc.Clear(c.kind);
        EXPECT_EQ(test::RowsOf(doc.board, 1, 7)[0], c.after);
        EXPECT_FALSE(doc.Saved);
    }
    EXPECT_EQ(doc.UndoStack.size(), 3u);

    Answers answers;
    answers.ok = false;
    doc.ClearAll(answers.Fn());
    EXPECT_EQ(answers.asked, (std::vector<std::string>{"当前绘制的内容将被全部擦除，确定吗？"}));
    EXPECT_EQ(Cell(0, 0), Wall);
    answers.ok = true;
    doc.MapNode.Title = "kept";
    doc.ClearAll(answers.Fn());
    EXPECT_EQ(doc.board, Board{});
    EXPECT_EQ(doc.MapNode.Title, "kept");
}

// While a recognized level is in force, every recount writes the board into RecogMap and
// the keeper cell; Clear all ends the force.
TEST_F(EditorDocumentTest, CountersAndTheRecognizedLevelMirror) {
    TRecogState recog;
    doc.SetRecognition(&recog);
    recog.AcceptVisit();
    doc.board = test::BoardFromRows({"*+.$"});
    Click(EditTool::PlayerTool, 1, 0);
    EXPECT_EQ(doc.BoxCount, 2);
    EXPECT_EQ(doc.GoalCount, 3);
    EXPECT_EQ(recog.Results.SnapshotText({2, 4}), "*+.$\n@---");
    EXPECT_EQ(recog.Results.RecogKeeperCell, (RecogCell{0, 1}));
    Answers answers;
    doc.ClearAll(answers.Fn());
    EXPECT_FALSE(recog.RecognizedLevelInForce);
    Click(EditTool::WallTool, 0, 0);
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '*'); // no longer mirrored
}

// Paste, Clear all and a shift that loses cells leave counters that match the
// board, without mirroring it into a recognized level.
TEST_F(EditorDocumentTest, CountersFollowPasteClearAllAndShifts) {
    TRecogState recog;
    doc.SetRecognition(&recog);
    recog.AcceptVisit();
    Answers answers;
    ASSERT_TRUE(doc.Paste("*@$.", answers.Fn()));
    EXPECT_EQ(doc.BoxCount, 2);
    EXPECT_EQ(doc.GoalCount, 2);
    doc.Shift(ShiftDirection::Left, answers.Fn());
    EXPECT_EQ(doc.BoxCount, 1); // the box on a goal went over the edge
    EXPECT_EQ(doc.GoalCount, 1);
    answers.ok = false;
    doc.ClearAll(answers.Fn());
    EXPECT_EQ(doc.BoxCount, 1);
    answers.ok = true;
    doc.ClearAll(answers.Fn());
    EXPECT_EQ(doc.BoxCount, 0);
    EXPECT_EQ(doc.GoalCount, 0);
    EXPECT_EQ(recog.Results.RecogMap, RecogCharGrid{});
}

// Taking a recognition over reads all 100 x 100 cells, also those outside the frame, with
// one undo snapshot; the keeper position comes from the last keeper read.
TEST_F(EditorDocumentTest, TakeOverRecognition) {
    doc.TakeOverRecognition(); // no recognition state: nothing happens
    EXPECT_TRUE(doc.UndoStack.empty());
    TRecogState recog;
    doc.SetRecognition(&recog);
    doc.board = test::BoardFromRows({"...."});
    recog.Results.SetXSB("#@-\n-$.");
    recog.Results.RecogMap.At(60, 70) = '*'; // from an earlier, larger frame
    recog.Results.RecogMap.At(99, 99) = 'x'; // anything else reads as floor
    recog.AcceptVisit();
    doc.TakeOverRecognition();
    EXPECT_EQ(test::RowsOf(doc.board, 2, 4), (Rows{"#@--", "-$.-"}));
    EXPECT_EQ(Cell(60, 70), BoxOnGoal);
    EXPECT_EQ(Cell(99, 99), Floor);
    EXPECT_EQ(doc.PlayerPos, (ColRow{2, 1}));
    EXPECT_EQ(doc.BoxCount, 2);
    EXPECT_FALSE(doc.Saved);
    ASSERT_EQ(doc.UndoStack.size(), 1u);
    doc.Undo();
    EXPECT_EQ(test::RowsOf(doc.board, 1, 4), (Rows{"...."}));
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '.'); // the undo's recount mirrored the board
}

TEST_F(EditorDocumentTest, PasteCopyAndSave) {
    Answers answers;
    answers.ok = false;
    EXPECT_FALSE(doc.Paste("no level here", answers.Fn()));
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_FALSE(doc.Paste("#####\n#@$.#\n#####\nTitle: new", answers.Fn()));
    EXPECT_EQ(doc.board, Board{});
    EXPECT_EQ(doc.MapNode.Title, "new"); // the record is replaced even on Cancel
    // A text without a level, a binary blob or a huge line leaves the record alone.
    const std::string junk[] = {"no level", std::string("\0\x01\xff\xfe#", 5),
                                std::string(100000, 'x')};
    for (const std::string& text : junk) {
        EXPECT_FALSE(doc.Paste(text, answers.Fn()));
        EXPECT_EQ(doc.MapNode.Title, "new");
    }
    answers.ok = true;
    EXPECT_TRUE(doc.Paste("#####\n#@$.#\n#####\nTitle: new", answers.Fn()));
    EXPECT_EQ(Cell(1, 1), Player);
    EXPECT_EQ(doc.PlayerPos, (ColRow{2, 2}));
    EXPECT_FALSE(doc.Saved);
    EXPECT_EQ(doc.Copy(), "\n#####\n#@$.#\n#####\nTitle: new\nAuthor: ");
    EXPECT_TRUE(doc.Saved);

    test::TempDir temp;
    const std::filesystem::path& dir = temp.Path();
    doc.MarkModified();
    SaveOutcome saved = doc.Save((dir / "level.").string(), answers.Fn());
    EXPECT_EQ(saved.Result, SaveOutcome::Saved);
    EXPECT_EQ(saved.Message, "保存成功！");
    EXPECT_TRUE(std::filesystem::exists(dir / "level.xsb"));
    EXPECT_TRUE(doc.Saved);
    answers.ok = false;
    answers.asked.clear();
    EXPECT_EQ(doc.Save((dir / "level").string(), answers.Fn()).Result, SaveOutcome::Cancelled);
    EXPECT_EQ(answers.asked, (std::vector<std::string>{(dir / "level.xsb").string() +
                                                       "\n 文档已经存在，覆写它吗？"}));
    doc.MarkModified();
    saved = doc.Save((dir / "missing" / "x.xsb").string(), answers.Fn());
    EXPECT_EQ(saved.Result, SaveOutcome::Failed);
    EXPECT_EQ(saved.Message, "遇到错误，保存失败！");
    EXPECT_FALSE(doc.Saved);
}

// The close question: each answer, and a Yes whose save did not happen.
TEST_F(EditorDocumentTest, QueryCloseKeepsUnsavedEdits) {
    int asked = 0;
    int saves = 0;
    auto ask = [&](CloseAnswer answer) {
        return [&, answer] {
            ++asked;
            return answer;
        };
    };
    auto save = [&](SaveOutcome::Kind kind) {
        return [&, kind] {
            ++saves;
            if (kind == SaveOutcome::Saved) {
                doc.MarkSaved();
            }
            return SaveOutcome{kind, {}};
        };
    };
    EXPECT_TRUE(doc.QueryClose(ask(CloseAnswer::Cancel), save(SaveOutcome::Saved)));
    EXPECT_EQ(asked, 0); // nothing to save: no question

    struct Case {
        CloseAnswer answer;
        SaveOutcome::Kind save;
        bool closes;
        bool savedAfter;
        int saves;
    };
    const Case cases[] = {
        {CloseAnswer::Yes, SaveOutcome::Saved, true, true, 1},
        {CloseAnswer::Yes, SaveOutcome::Cancelled, false, false, 1},
        {CloseAnswer::Yes, SaveOutcome::Failed, false, false, 1},
        {CloseAnswer::No, SaveOutcome::Saved, true, true, 0},
        {CloseAnswer::Cancel, SaveOutcome::Saved, false, false, 0},
    };
    for (const Case& c : cases) {
        doc.MarkModified();
        saves = 0;
        EXPECT_EQ(doc.QueryClose(ask(c.answer), save(c.save)), c.closes);
        EXPECT_EQ(doc.Saved, c.savedAfter);
        EXPECT_EQ(saves, c.saves);
    }
}

TEST_F(EditorDocumentTest, NormalizeTakesAnUndoStepEachTime) {
    doc.board = test::BoardFromRows({"#####", "#@$.#", "#####", "  $"});
    for (int i = 1; i <= 2; ++i) {
        doc.MarkSaved();
        EXPECT_EQ(doc.Normalize(false).Result, NormalizeResult::NormalizeOk);
        EXPECT_EQ(doc.UndoStack.size(), static_cast<std::size_t>(i));
        EXPECT_FALSE(doc.Saved);
    }
    EXPECT_EQ(Cell(3, 2), Wall);
    doc.board.Set(1, 2, Floor);
    doc.MarkSaved();
    EXPECT_EQ(doc.Normalize(true).Result, NormalizeResult::BoxGoalMismatch);
    EXPECT_EQ(doc.BoxCount, 0);
    EXPECT_EQ(doc.GoalCount, 1);
    EXPECT_TRUE(doc.Saved);
    EXPECT_EQ(doc.UndoStack.size(), 2u);
}

TEST_F(EditorDocumentTest, LevelInfoChangesOnlyWhenChanged) {
    doc.ApplyLevelInfo(false, "t", "a", "c");
    EXPECT_TRUE(doc.Saved);
    EXPECT_EQ(doc.MapNode.Title, "");
    doc.ApplyLevelInfo(true, "t", "a", "c1\r\nc2");
    EXPECT_FALSE(doc.Saved);
    EXPECT_EQ(doc.MapNode.Comment, "c1\r\nc2");
}

} // namespace
} // namespace lodrin
