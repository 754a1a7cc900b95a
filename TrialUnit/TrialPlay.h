#pragma once

#include "TrialUnit/TrialHandOver.h"
#include "board/Turn.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lodrin {

inline constexpr std::string_view KeeperPlaceMessage = "人的位置异常！- ";
inline constexpr std::string_view BadMoveMessage = "遇到了错误的动作符号！- ";
inline constexpr std::string_view AtFirstMessage = "已至首！";
inline constexpr std::string_view AtLastMessage = "已至尾！";
inline constexpr std::string_view MovesCopiedMessage = "动作 Lurd 送入剪切板！";
inline constexpr std::string_view ExportedMessage = "XSB + Lurd 已送入剪切板！";
// The comment line that heads a reverse export.
inline constexpr std::string_view ReverseExportHeader = "\n; SXB 为关卡逆推初态\n";

// What the trial play shows through its window.
class TTrialView {
public:
    virtual ~TTrialView() = default;
    // Moves are about to be played or taken back: clear the message area and
    // switch the keeper reach display and the box selection off.
    virtual void MovesStarting() = 0;
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void ShowCounters(int moveCount, int pushCount) = 0;
    virtual void Redraw() = 0;
};

// The trial field's play: its own board copy in trial codes, forward play (the
// keeper pushes) or reverse play (the keeper pulls), the record of the moves
// played and the redo tail, grouped undo and redo, and the export.
class TTrialPlay {
public:
    // The view may be null; then nothing is shown.
    explicit TTrialPlay(TTrialView* view = nullptr);

    // Takes the handed-over board and the mode, then opens the play on it.
    // A board larger than 100 x 100 or empty is taken as an empty board.
    void SetBoard(const TrialBoard& board, PlayMode mode);
    // Resets the play state for the board: no moves, the keeper found again.
    void Open();

    const std::array<TrialCode, TrialMaxCells>& TrialCells() const { return Cells_; }
    // The board's squares, CellCount of them.
    std::span<const TrialCode> Cells() const {
        return {Cells_.data(), static_cast<std::size_t>(CellCount_)};
    }
    int TrialRows() const { return Rows_; }
    int TrialCols() const { return Cols_; }
    int CellCount() const { return CellCount_; }
    PlayMode Mode() const { return Mode_; }
    bool Reverse() const { return IsReverse(Mode_); }
    int KeeperPos() const { return KeeperPos_; }
    int MoveCount() const { return MoveCount_; }
    int PushCount() const { return PushCount_; }
    // The moves played, first move first.
    std::string_view MoveRecord() const { return Record_; }
    // The moves that can be played again; the last character is the next move.
    std::string_view RedoTail() const { return Tail_; }
    int UndoMark() const { return UndoMark_; }

    // Play or take back up to n moves, forward and reverse.
    void ReDo(int n);
    void UnDo(int n);
    void ReDo_BK(int n);
    void UnDo_BK(int n);
    // How many moves make up one box's worth of play (see the grouping rules).
    int GetStep(int count) const;
    int GetStep2(int count) const;

    // The undo and redo buttons: one box's worth, or the last clicked sequence.
    void UndoStep();
    void RedoStep();
    void UndoAll();
    void RedoAll();
    void UndoMove();
    void RedoMove();

    // A move typed by the user replaces the redo tail and is played.
    void PlayTyped(char move);
    // A sequence produced by a click replaces the redo tail and is played; the
    // next undo step takes it back whole.
    void PlayClick(std::string_view moves);
    // The moves of a clipboard text replace the redo tail (unless the text is too
    // long) and the whole tail is played.
    void PlayClipboard(std::string_view text);

    // The clipboard text of the moves played; nothing when there are none.
    std::optional<std::string> CopyMoves();
    // The level with the moves played, for the clipboard. levelText is the
    // editor's current level text; levelOffset is where trial cell (0, 0) lies in it.
    std::string Export(std::string_view levelText, BoardCell levelOffset);

private:
    enum class Carry { None, Push, Pull };

    bool KeeperOk();
    int Neighbour(int from, int dir, int steps) const;
    bool Fail(char move);
    bool Walk(int dir, int sign, Carry carry);
    void Played(char recorded, bool moved);
    void TakenBack(char move, bool moved);
    bool CaseStep(char move, int sign, Carry carry);
    bool StepForward(char move);
    bool StepBack(char move);
    bool StepForwardReverse(char move);
    bool StepBackReverse(char move);
    void Run(bool (TTrialPlay::*step)(char), int n, bool redo);
    // Play or take back up to n moves in the play's mode.
    void PlayOn(int n);
    void TakeBack(int n);
    void SetTail(std::string_view moves);
    std::string KeeperPlace(int rowOffset, int colOffset) const;
    void Show(std::string_view text);

    TTrialView* View_;
    std::array<TrialCode, TrialMaxCells> Cells_{};
    int Rows_ = 0;
    int Cols_ = 0;
    int CellCount_ = 0;
    PlayMode Mode_ = PlayMode::Forward;
    int KeeperPos_ = -1;
    int MoveCount_ = 0;
    int PushCount_ = 0;
    int UndoMark_ = -1;
    std::string Record_; // capacity reserved once, never reallocated
    std::string Tail_;
};

} // namespace lodrin
