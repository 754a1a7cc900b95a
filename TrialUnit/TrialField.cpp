#include "TrialUnit/TrialField.h"

#include "board/LevelText.h"
#include "board/Turn.h"
#include "board/WallMask.h"

#include <algorithm>

namespace lodrin {

TTrialField::TTrialField(TTrialFieldView* view) : View_(view), Play_(this) {
    Finder_.SetGoThrough(GoThrough_);
}

void TTrialField::HandOver(const TrialBoard& board, PlayMode mode) {
    Play_.SetBoard(board, mode);
    Finder_.SetBoardSize(Play_.TrialCols(), Play_.TrialRows());
    Origin_ = board.Origin();
    DropMarks();
}

void TTrialField::Open() {
    Finder_.SetGoThrough(GoThrough_);
    Play_.Open();
    DropMarks();
}

void TTrialField::Close() {
    DropMarks();
}

void TTrialField::DropMarks() {
    ShowKeeperReach_ = false;
    BoxSelected_ = false;
}

void TTrialField::MovesStarting() {
    DropMarks();
    ShowMessage({});
}

void TTrialField::ShowMessage(std::string_view text) {
    if (View_ != nullptr) {
        View_->ShowMessage(text);
    }
}

void TTrialField::ShowCounters(int moveCount, int pushCount) {
    if (View_ != nullptr) {
        View_->ShowCounters(moveCount, pushCount);
    }
}

// Runs a play operation; the play asks for the redraw itself.
TrialResponse TTrialField::Played(void (TTrialPlay::*operation)()) {
    Redraw_ = false;
    (Play_.*operation)();
    return {Redraw_};
}

TrialResponse TTrialField::Do(TrialCommand command) {
    switch (command.Action) {
    case TrialAction::TypedMove: {
        const char move = TurnDirection(Turn_, command.Move);
        Redraw_ = false;
        Play_.PlayTyped(move);
        return {Redraw_};
    }
    case TrialAction::OddEvenOn:
        return SetOddEven(true);
    case TrialAction::OddEvenOff:
        return SetOddEven(false);
    case TrialAction::UndoStep:
        return Played(&TTrialPlay::UndoStep);
    case TrialAction::RedoStep:
        return Played(&TTrialPlay::RedoStep);
    case TrialAction::UndoMove:
        return Played(&TTrialPlay::UndoMove);
    case TrialAction::RedoMove:
        return Played(&TTrialPlay::RedoMove);
    case TrialAction::UndoAll:
        return Played(&TTrialPlay::UndoAll);
    case TrialAction::RedoAll:
        return Played(&TTrialPlay::RedoAll);
    case TrialAction::ToggleGoThrough:
        return ToggleGoThrough();
    case TrialAction::TurnReset:
        return SetTurn(0);
    case TrialAction::TurnNext:
        return SetTurn((Turn_ + 1) % TurnCount);
    case TrialAction::TurnPrevious:
        return SetTurn((Turn_ + TurnCount - 1) % TurnCount);
    default:
        return {};
    }
}

TrialResponse TTrialField::SetOddEven(bool on) {
    // Holding E repeats its key-down; the board is drawn again only on a change.
    const bool changed = OddEven_ != on;
    OddEven_ = on;
    return {changed};
}

TrialResponse TTrialField::ToggleGoThrough() {
    GoThrough_ = !GoThrough_;
    Finder_.SetGoThrough(GoThrough_);
    TrialResponse response;
    response.GoThroughChanged = true;
    return response;
}

TrialResponse TTrialField::SetTurn(int turn) {
    if (turn < 0 || turn >= TurnCount) {
        return {};
    }
    Turn_ = turn;
    TrialResponse response;
    response.TurnChanged = true;
    return response;
}

TrialResponse TTrialField::PasteMoves(const std::optional<std::string>& text) {
    if (!text) {
        return {};
    }
    Redraw_ = false;
    Play_.PlayClipboard(*text);
    return {Redraw_};
}

std::optional<std::string> TTrialField::CopyMoves() {
    return Play_.CopyMoves();
}

std::string TTrialField::Export(const Board& level, const TMapNode& node) {
    return Play_.Export(MakeLevelText(level, node), TrialOffsetInLevelText(level, Origin_));
}

ViewCell TTrialField::ViewSize() const {
    return lodrin::ViewSize(Turn_, Play_.TrialRows(), Play_.TrialCols());
}

ViewPlacement TTrialField::FitView(int panelWidth, int panelHeight, int tileSize) {
    const int rows = Play_.TrialRows();
    const int cols = Play_.TrialCols();
    if (cols > 2 && rows > 2) {
        const ViewCell view = ViewSize();
        CellSize_ = std::min(panelWidth / view.X, panelHeight / view.Y);
    }
    if (tileSize > 0) {
        CellSize_ = std::min(CellSize_, tileSize);
    }
    CellSize_ = std::max(CellSize_, MinCellSize);
    const ViewCell view = ViewSize();
    const int width = view.X * CellSize_;
    const int height = view.Y * CellSize_;
    return {(panelWidth - width) / 2, (panelHeight - height) / 2, width, height};
}

int TTrialField::CellAt(ViewCell square) const {
    const ViewCell view = ViewSize();
    if (square.X < 0 || square.Y < 0 || square.X >= view.X || square.Y >= view.Y) {
        return -1;
    }
    const BoardCell cell =
        ViewToBoard(Turn_, square.X, square.Y, Play_.TrialRows(), Play_.TrialCols());
    return cell.Row * Play_.TrialCols() + cell.Col;
}

bool TTrialField::IsWall(int r, int c) const {
    return r >= 0 && c >= 0 && r < Play_.TrialRows() && c < Play_.TrialCols() &&
           At(r * Play_.TrialCols() + c) == TrialCode::Wall;
}

int TTrialField::GetWall(int r, int c) const {
    const int rows = Play_.TrialRows();
    const int cols = Play_.TrialCols();
    const ViewCell at = BoardToView(Turn_, r, c, rows, cols);
    const ViewCell view = ViewSize();
    return WallMaskOf([&](int dx, int dy) {
        const int x = at.X + dx;
        const int y = at.Y + dy;
        if (x < 0 || y < 0 || x >= view.X || y >= view.Y) {
            return false;
        }
        const BoardCell cell = ViewToBoard(Turn_, x, y, rows, cols);
        return IsWall(cell.Row, cell.Col);
    });
}

KeeperMark TTrialField::KeeperMarkAt(int p) const {
    if (!ShowKeeperReach_) {
        return KeeperMark::None;
    }
    const PlayMode mode = Mode();
    if (Finder_.IsPassed(mode, p)) {
        return KeeperMark::Passed;
    }
    if (Finder_.IsReach(mode, p)) {
        return KeeperMark::Reach;
    }
    return Finder_.IsPassableBox(mode, p) ? KeeperMark::PassableBox : KeeperMark::None;
}

bool TTrialField::BoxMarkAt(int p) const {
    return BoxSelected_ && Finder_.IsBoxReach(Mode(), p);
}

TrialResponse TTrialField::MouseDown(ViewCell square, bool leftButton) {
    const int p = CellAt(square);
    if (!leftButton || p < 0) {
        return {true};
    }
    const TrialCode code = At(p);
    if (IsFreeCode(code)) {
        return ClickFree(p);
    }
    if (IsBoxCode(code)) {
        return ClickBox(p);
    }
    if (IsKeeperCode(code)) {
        return ClickKeeper(p);
    }
    DropMarks();
    return {true};
}

// Moves a click produced: played as one sequence that one undo step takes back.
TrialResponse TTrialField::PlayPath(std::string_view moves) {
    if (!moves.empty()) {
        Play_.PlayClick(moves);
    }
    return {true};
}

TrialResponse TTrialField::ClickFree(int p) {
    const PlayMode mode = Mode();
    if (BoxSelected_) {
        BoxSelected_ = false;
        if (!Finder_.IsBoxReach(mode, p)) {
            return {true};
        }
        return PlayPath(Finder_.BoxPath(mode, SelectedBox_, p, Play_.KeeperPos()));
    }
    if (Play_.Reverse() && Play_.KeeperPos() < 0) {
        return {};
    }
    DropMarks();
    return PlayPath(Finder_.KeeperPath(mode, Play_.Cells(), p, Play_.KeeperPos()));
}

TrialResponse TTrialField::ClickBox(int p) {
    if (BoxSelected_ && p == SelectedBox_) {
        BoxSelected_ = false;
        return {true};
    }
    if (Play_.Reverse() && Play_.KeeperPos() < 0) {
        return {};
    }
    BoxSelected_ = true;
    ShowKeeperReach_ = false;
    Finder_.SelectBox(Play_.Cells(), p);
    Finder_.BoxReach(Mode(), p, Play_.KeeperPos());
    SelectedBox_ = p;
    return {true};
}

TrialResponse TTrialField::ClickKeeper(int p) {
    const PlayMode mode = Mode();
    if (BoxSelected_ && Finder_.IsBoxReach(mode, p)) {
        BoxSelected_ = false;
        return PlayPath(Finder_.BoxPath(mode, SelectedBox_, p, Play_.KeeperPos()));
    }
    if (ShowKeeperReach_) {
        ShowKeeperReach_ = false;
        return {true};
    }
    Finder_.KeeperReach(mode, Play_.Cells(), Play_.KeeperPos());
    ShowKeeperReach_ = true;
    BoxSelected_ = false;
    return {true};
}

} // namespace lodrin
