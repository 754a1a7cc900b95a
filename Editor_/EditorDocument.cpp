#include "Editor_/EditorDocument.h"

#include "Editor_/EditRules.h"
#include "Recog_/RecogState.h"
#include "board/LevelFile.h"
#include "board/LevelText.h"
#include "board/XsbRows.h"

#include <algorithm>
#include <exception>

namespace lodrin {
namespace {

// Asked before a level read from the clipboard or a file replaces the board.
constexpr std::string_view OverwriteQuestion = "当前绘制的内容将被覆盖，确定吗？";

bool DrawsWithUndo(EditTool tool) {
    return tool != EditTool::SelectTool;
}

bool MarksModified(EditTool tool) {
    return tool == EditTool::WallTool || tool == EditTool::BoxTool || tool == EditTool::GoalTool ||
           tool == EditTool::FloorTool || tool == EditTool::PlayerTool;
}

bool Erases(EditTool tool) {
    return tool != EditTool::SelectTool && tool != EditTool::BoxPlacement;
}

} // namespace

std::string_view ShiftQuestion(ShiftDirection direction) {
    switch (direction) {
    case ShiftDirection::Right:
        return "最右列上的元素会丢失，确定吗？";
    case ShiftDirection::Left:
        return "最左列上的元素会丢失，确定吗？";
    case ShiftDirection::Down:
        return "最底行上的元素会丢失，确定吗？";
    case ShiftDirection::Up:
        return "最顶行上的元素会丢失，确定吗？";
    }
    return {};
}

void TEditorDocument::Write(int row, int col, std::int32_t code) {
    if (HasKeeper(board.At(row, col)) && !HasKeeper(code)) {
        PlayerPos = {};
    }
    board.Set(row, col, code);
}

void TEditorDocument::ApplyClick(int row, int col) {
    const std::int32_t old = board.At(row, col);
    const std::int32_t code = ClickRule(Tool, old);
    if (Tool != EditTool::PlayerTool) {
        Write(row, col, code);
        return;
    }
    if (!HasKeeper(old) && !PlayerPos.IsNone()) {
        const int pr = PlayerPos.Row - 1;
        const int pc = PlayerPos.Col - 1;
        if (Board::Contains(pr, pc)) {
            const std::int32_t there = board.At(pr, pc);
            if (there == Player) {
                board.Set(pr, pc, Floor);
            } else if (there == PlayerOnGoal) {
                board.Set(pr, pc, Goal);
            }
        }
    }
    board.Set(row, col, code);
    PlayerPos = {col + 1, row + 1};
}

void TEditorDocument::Erase(int row, int col) {
    Write(row, col, EraseRule(board.At(row, col)));
    MarkModified();
}

void TEditorDocument::MouseDown(MouseButton button, int row, int col) {
    if (!Board::Contains(row, col)) {
        return;
    }
    if (button == MouseButton::Right) {
        if (!Erases(Tool)) {
            return;
        }
        PushSnapshot(Stack::Undo);
        Erase(row, col);
        Erasing_ = true;
    } else {
        if (DrawsWithUndo(Tool)) {
            PushSnapshot(Stack::Undo);
        }
        ApplyClick(row, col);
        if (MarksModified(Tool)) {
            MarkModified();
        }
    }
    MouseDown_ = true;
    LastRow_ = row;
    LastCol_ = col;
}

void TEditorDocument::MouseMove(int row, int col) {
    if (!MouseDown_ || !Board::Contains(row, col) || (row == LastRow_ && col == LastCol_)) {
        return;
    }
    if (Erasing_) {
        Erase(row, col);
    } else {
        Write(row, col, DragRule(Tool, board.At(row, col)));
        if (MarksModified(Tool) && Tool != EditTool::PlayerTool) {
            MarkModified();
        }
    }
    LastRow_ = row;
    LastCol_ = col;
}

void TEditorDocument::MouseUp() {
    LastRow_ = LastCol_ = -1;
    MouseDown_ = false;
    Erasing_ = false;
    Recount();
}

std::string TEditorDocument::SnapshotText() const {
    int lastRow = -1;
    int lastCol = -1;
    for (int r = 0; r < BoardSize; ++r) {
        for (int c = 0; c < BoardSize; ++c) {
            if (board.At(r, c) != Floor) {
                lastRow = r;
                lastCol = std::max(lastCol, c);
            }
        }
    }
    std::string text;
    for (int r = 0; r <= lastRow; ++r) {
        if (r > 0) {
            text.push_back('\n');
        }
        for (int c = 0; c <= lastCol; ++c) {
            text.push_back(CellToXsbChar(board.At(r, c)));
        }
    }
    return text;
}

void TEditorDocument::PushSnapshot(Stack target) {
    (target == Stack::Undo ? UndoStack : RedoStack).push_back(SnapshotText());
}

void TEditorDocument::RestoreSnapshot(std::string_view snapshot) {
    if (std::optional<ColRow> keeper = ReadRowsIntoBoard(SplitTextLines(snapshot), board)) {
        PlayerPos = *keeper;
    }
}

void TEditorDocument::RestoreFrom(std::vector<std::string>& from, Stack saveTo) {
    if (from.empty()) {
        return;
    }
    PushSnapshot(saveTo);
    const std::string snapshot = std::move(from.back());
    from.pop_back();
    RestoreSnapshot(snapshot);
}

void TEditorDocument::Undo() {
    RestoreFrom(UndoStack, Stack::Redo);
    if (!UndoStack.empty()) {
        MarkModified();
    }
    Recount();
}

void TEditorDocument::Redo() {
    RestoreFrom(RedoStack, Stack::Undo);
    MarkModified();
    Recount();
}

bool TEditorDocument::LineHoldsSomething(ShiftDirection direction) const {
    for (int i = 0; i < BoardSize; ++i) {
        std::int32_t code = Floor;
        switch (direction) {
        case ShiftDirection::Right:
            code = board.At(i, BoardSize - 1);
            break;
        case ShiftDirection::Left:
            code = board.At(i, 0);
            break;
        case ShiftDirection::Down:
            code = board.At(BoardSize - 1, i);
            break;
        case ShiftDirection::Up:
            code = board.At(0, i);
            break;
        }
        if (code != Floor) {
            return true;
        }
    }
    return false;
}

void TEditorDocument::Shift(ShiftDirection direction, const ConfirmFn& confirm) {
    PushSnapshot(Stack::Undo);
    if (!LineHoldsSomething(direction) || confirm(ShiftQuestion(direction))) {
        const int dr = direction == ShiftDirection::Down ? 1
                       : direction == ShiftDirection::Up ? -1
                                                         : 0;
        const int dc = direction == ShiftDirection::Right  ? 1
                       : direction == ShiftDirection::Left ? -1
                                                           : 0;
        const Board old = board;
        for (int r = 0; r < BoardSize; ++r) {
            for (int c = 0; c < BoardSize; ++c) {
                const int sr = r - dr;
                const int sc = c - dc;
                board.Set(r, c, Board::Contains(sr, sc) ? old.At(sr, sc) : Floor);
            }
        }
        UpdateCounts();
    }
    MarkModified();
}

void TEditorDocument::Clear(ClearKind kind) {
    PushSnapshot(Stack::Undo);
    for (std::int32_t& code : board.Cells) {
        switch (kind) {
        case ClearKind::Boxes:
            code = code == Box ? Floor : code == BoxOnGoal ? Goal : code;
            break;
        case ClearKind::Goals:
            code = code == Goal           ? Floor
                   : code == BoxOnGoal    ? Box
                   : code == PlayerOnGoal ? Player
                                          : code;
            break;
        case ClearKind::KeepWalls:
            code = code == Wall ? Wall : Floor;
            break;
        }
    }
    MarkModified();
    Recount();
}

void TEditorDocument::ClearAll(const ConfirmFn& confirm) {
    if (!confirm("当前绘制的内容将被全部擦除，确定吗？")) {
        return;
    }
    PushSnapshot(Stack::Undo);
    board.Clear();
    UpdateCounts();
    if (Recog_ != nullptr) {
        Recog_->EndForce();
    }
    MarkModified();
}

void TEditorDocument::ToggleBoxPlacement() {
    Tool = Tool == EditTool::BoxPlacement ? EditTool::SelectTool : EditTool::BoxPlacement;
}

bool TEditorDocument::Paste(std::string_view clipboardText, const ConfirmFn& confirm) {
    TMapNode read;
    if (!ReadLevelText(clipboardText, read)) {
        return false;
    }
    MapNode = std::move(read);
    if (!confirm(OverwriteQuestion)) {
        return false;
    }
    TakeMapNodeRows();
    return true;
}

void TEditorDocument::TakeMapNodeRows() {
    PushSnapshot(Stack::Undo);
    if (std::optional<ColRow> keeper = ReadRowsIntoBoard(MapNode.Rows, board)) {
        PlayerPos = *keeper;
    }
    UpdateCounts();
    MarkModified();
}

bool TEditorDocument::HoldsSomething() const {
    return std::any_of(board.Cells.begin(), board.Cells.end(),
                       [](std::int32_t code) { return code != Floor; });
}

bool TEditorDocument::OpenLevel(TMapNode level, const ConfirmFn& confirm) {
    if (level.Rows.empty() || (HoldsSomething() && !confirm(OverwriteQuestion))) {
        return false;
    }
    MapNode = std::move(level);
    TakeMapNodeRows();
    return true;
}

std::string TEditorDocument::Copy() {
    MarkSaved();
    return MakeLevelText(board, MapNode);
}

SaveOutcome TEditorDocument::Save(std::string_view chosenName, const ConfirmFn& confirmOverwrite) {
    const SaveOutcome failed{SaveOutcome::Failed, "遇到错误，保存失败！"};
    try {
        const std::string name = FixLevelFileName(chosenName);
        if (LevelFileExists(name) && !confirmOverwrite(name + "\n 文档已经存在，覆写它吗？")) {
            return {SaveOutcome::Cancelled, {}};
        }
        if (!SaveLevelFile(name, MakeLevelText(board, MapNode))) {
            return failed;
        }
    } catch (const std::exception&) {
        return failed; // a path or memory error is a failed save like any other
    }
    MarkSaved();
    return {SaveOutcome::Saved, "保存成功！"};
}

NormalizeOutcome TEditorDocument::Normalize(bool minimal) {
    Board work = board;
    const NormalizeOutcome outcome = NormalizeBoard(work, minimal);
    if (outcome.CountsKnown) {
        BoxCount = outcome.Boxes;
        GoalCount = outcome.Goals;
    }
    if (outcome.Result == NormalizeResult::NormalizeOk) {
        PushSnapshot(Stack::Undo);
        board = work;
        MarkModified();
    }
    return outcome;
}

void TEditorDocument::ApplyLevelInfo(bool changed, std::string title, std::string author,
                                     std::string comment) {
    if (!changed) {
        return;
    }
    MarkModified();
    MapNode.Title = std::move(title);
    MapNode.Author = std::move(author);
    MapNode.Comment = std::move(comment);
}

bool TEditorDocument::QueryClose(const std::function<CloseAnswer()>& ask,
                                 const std::function<SaveOutcome()>& save) {
    if (Saved) {
        return true;
    }
    switch (ask()) {
    case CloseAnswer::Yes:
        return save().Result == SaveOutcome::Saved;
    case CloseAnswer::No:
        MarkSaved();
        return true;
    case CloseAnswer::Cancel:
        return false;
    }
    return false;
}

void TEditorDocument::UpdateCounts() {
    BoxCount = 0;
    GoalCount = 0;
    for (const std::int32_t code : board.Cells) {
        BoxCount += HasBox(code);
        GoalCount += HasGoal(code);
    }
}

void TEditorDocument::Recount() {
    UpdateCounts();
    if (Recog_ != nullptr) {
        Recog_->Mirror(board, PlayerPos);
    }
}

void TEditorDocument::TakeOverRecognition() {
    if (Recog_ == nullptr) {
        return;
    }
    PushSnapshot(Stack::Undo);
    if (const std::optional<ColRow> keeper = Recog_->ReadIntoBoard(board)) {
        PlayerPos = *keeper;
    }
    Recount();
    MarkModified();
}

} // namespace lodrin
