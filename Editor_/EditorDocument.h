#pragma once

#include "Editor_/EditTool.h"
#include "board/Board.h"
#include "board/ConfirmFn.h"
#include "board/MapNode.h"
#include "board/MapNormalize.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

class TRecogState;

enum class MouseButton { Left, Right };
enum class ShiftDirection { Right, Left, Down, Up };
enum class ClearKind { Boxes, Goals, KeepWalls };

// How Save ended, and the status-bar message it shows (empty when cancelled).
struct SaveOutcome {
    enum Kind { Cancelled, Saved, Failed } Result = Cancelled;
    std::string Message;
};

// The user's answer to the question asked when closing with unsaved changes.
enum class CloseAnswer { Yes, No, Cancel };

// The level editor's document: board, level record, recorded keeper, tool,
// undo and redo stacks of snapshot texts, the saved flag and the mouse stroke.
class TEditorDocument {
public:
    Board board;
    TMapNode MapNode;
    ColRow PlayerPos;
    EditTool Tool = EditTool::SelectTool;
    std::vector<std::string> UndoStack; // newest last
    std::vector<std::string> RedoStack; // newest last
    bool Saved = true;

    // Counters shown in the status bar.
    int BoxCount = 0;
    int GoalCount = 0;

    // Mouse strokes on board cell (row, col), 0-based.
    void MouseDown(MouseButton button, int row, int col);
    void MouseMove(int row, int col);
    void MouseUp();
    bool IsMouseDown() const { return MouseDown_; }

    // Snapshot text of the board: rows 0.. to the last non-floor row, columns 0..
    // to the last non-floor column, joined by LF.
    std::string SnapshotText() const;
    enum class Stack { Undo, Redo };
    void PushSnapshot(Stack target);
    void RestoreSnapshot(std::string_view snapshot);

    void Undo();
    void Redo();
    // Shifts every cell one step; the question is asked when the lost line holds
    // anything. Marks modified also after Cancel.
    void Shift(ShiftDirection direction, const ConfirmFn& confirm);
    void Clear(ClearKind kind);
    // Clear all, after the question.
    void ClearAll(const ConfirmFn& confirm);

    // Switches between box-placement mode and edit mode (SelectTool).
    void ToggleBoxPlacement();

    // Paste: reads the first level of the text into the level record and, after
    // the overwrite question, into the board. Returns whether the board changed.
    // A text without a level leaves the record as it was.
    bool Paste(std::string_view clipboardText, const ConfirmFn& confirm);
    // Puts a level read from a file onto the board: when the board holds
    // anything, Paste's overwrite question comes first, and Cancel leaves the
    // document as it was. The old board goes onto the undo stack. Returns
    // whether the board changed.
    bool OpenLevel(TMapNode level, const ConfirmFn& confirm);
    // Whether any cell of the board is more than floor.
    bool HoldsSomething() const;
    // Copy: the level text for the clipboard; copying counts as saving.
    std::string Copy();
    // Save to the chosen file name (extension fixed, overwrite question asked).
    SaveOutcome Save(std::string_view chosenName, const ConfirmFn& confirmOverwrite);
    // Normalization; on success the old board goes onto the undo stack.
    NormalizeOutcome Normalize(bool minimal);
    // The info dialog's result: the three texts replace the header when changed.
    void ApplyLevelInfo(bool changed, std::string title, std::string author, std::string comment);

    // Whether the editor may close. With unsaved changes it asks: Yes saves and
    // closes only when the save happened, No drops the changes, Cancel stays.
    bool QueryClose(const std::function<CloseAnswer()>& ask,
                    const std::function<SaveOutcome()>& save);

    // Recomputes the counters; Paste, Clear all and the shifts run it so the
    // status bar never shows the counts of a board that is gone.
    void UpdateCounts();
    // The counters and, while a recognized level is in force, its mirror.
    void Recount();
    void MarkModified() { Saved = false; }
    void MarkSaved() { Saved = true; }

    // The recognition state whose recognized level the document takes over, and into which
    // it mirrors the board while that level is in force.
    void SetRecognition(TRecogState* recog) { Recog_ = recog; }
    TRecogState* Recognition() const { return Recog_; }
    // The user accepted a recognition: one undo snapshot, then all 100 x 100 cells of the
    // recognized level into the board, the keeper position from the last keeper read, the
    // recount and the modified mark. Nothing without a recognition state.
    void TakeOverRecognition();

private:
    // Saves the board onto `saveTo` and restores the newest entry of `from`, if any.
    void RestoreFrom(std::vector<std::string>& from, Stack saveTo);
    // Reads the record's rows into the board after an undo snapshot.
    void TakeMapNodeRows();
    void ApplyClick(int row, int col);
    void Erase(int row, int col);
    void Write(int row, int col, std::int32_t code);
    bool LineHoldsSomething(ShiftDirection direction) const;

    bool MouseDown_ = false;
    bool Erasing_ = false;
    int LastRow_ = -1;
    int LastCol_ = -1;
    TRecogState* Recog_ = nullptr;
};

// The question each shift asks when it would lose cells.
std::string_view ShiftQuestion(ShiftDirection direction);

} // namespace lodrin
