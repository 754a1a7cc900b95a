#include "TrialUnit/TrialPlay.h"

#include "board/Lurd.h"
#include "board/LurdMoveText.h"

#include <algorithm>

namespace lodrin {
namespace {

constexpr int MaxMoves = static_cast<int>(MaxLurdLength);

// The move character as it can stand in a message: printable ASCII, else '?'.
char Shown(char move) {
    return move > ' ' && move < 0x7F ? move : '?';
}

// The vector of a move character; (0, 0) for any other character.
struct Offset {
    int Row = 0;
    int Col = 0;
    friend bool operator==(const Offset&, const Offset&) = default;
};

Offset VectorOf(char move) {
    const int k = LurdDirection(move);
    if (k < 0) {
        return {};
    }
    const FinderDirection& d = FinderDirectionOrder[static_cast<std::size_t>(k)];
    return {d.DRow, d.DCol};
}

} // namespace

TTrialPlay::TTrialPlay(TTrialView* view) : View_(view) {
    Record_.reserve(MaxLurdLength);
    Tail_.reserve(MaxLurdLength);
}

void TTrialPlay::SetBoard(const TrialBoard& board, PlayMode mode) {
    const bool fits =
        board.Rows >= 1 && board.Rows <= BoardSize && board.Cols >= 1 && board.Cols <= BoardSize;
    Rows_ = fits ? board.Rows : 0;
    Cols_ = fits ? board.Cols : 0;
    Cells_.fill(TrialCode::Nothing);
    std::copy_n(board.Cells.begin(), Rows_ * Cols_, Cells_.begin());
    Mode_ = mode;
    Open();
}

void TTrialPlay::Open() {
    Record_.clear();
    Tail_.clear();
    MoveCount_ = 0;
    PushCount_ = 0;
    UndoMark_ = -1;
    CellCount_ = Rows_ * Cols_;
    const auto end = Cells_.begin() + CellCount_;
    const auto keeper = std::find_if(Cells_.begin(), end, IsKeeperCode);
    KeeperPos_ = keeper == end ? -1 : static_cast<int>(keeper - Cells_.begin());
}

void TTrialPlay::Show(std::string_view text) {
    if (View_ != nullptr) {
        View_->ShowMessage(text);
    }
}

// "[column, row]" of the keeper, 1-based, shifted by the offsets.
std::string TTrialPlay::KeeperPlace(int rowOffset, int colOffset) const {
    int col = 0, row = 1;
    if (Cols_ > 0) {
        col = KeeperPos_ % Cols_ + 1;
        row = KeeperPos_ / Cols_ + 1;
    }
    if (KeeperPos_ >= 0) {
        col += colOffset;
        row += rowOffset;
    }
    return "[" + std::to_string(col) + ", " + std::to_string(row) + "]";
}

bool TTrialPlay::KeeperOk() {
    if (KeeperPos_ >= 0 && KeeperPos_ < CellCount_ &&
        IsKeeperCode(Cells_[static_cast<std::size_t>(KeeperPos_)])) {
        return true;
    }
    Show(std::string(KeeperPlaceMessage) + KeeperPlace(0, 0));
    return false;
}

bool TTrialPlay::Fail(char move) {
    Show(std::string(BadMoveMessage) + Shown(move));
    return false;
}

// The cell `steps` squares from `from` in direction dir (negative: backwards), or
// -1 off the board; leaving through the left or right edge is off the board too.
int TTrialPlay::Neighbour(int from, int dir, int steps) const {
    const FinderDirection& d = FinderDirectionOrder[static_cast<std::size_t>(dir)];
    const int r = from / Cols_ + steps * d.DRow;
    const int c = from % Cols_ + steps * d.DCol;
    return r < 0 || c < 0 || r >= Rows_ || c >= Cols_ ? -1 : r * Cols_ + c;
}

void TTrialPlay::Run(bool (TTrialPlay::*step)(char), int n, bool redo) {
    if (View_ != nullptr) {
        View_->MovesStarting();
    }
    for (; n > 0; --n) {
        const bool room = redo ? !Tail_.empty() && static_cast<int>(Record_.size()) < MaxMoves
                               : !Record_.empty() && static_cast<int>(Tail_.size()) < MaxMoves;
        if (!room || !KeeperOk() || !(this->*step)(redo ? Tail_.back() : Record_.back())) {
            break;
        }
    }
    if (View_ != nullptr) {
        View_->ShowCounters(MoveCount_, PushCount_);
        View_->Redraw();
    }
}

// The keeper moves one square along dir (sign -1: against it). A push moves the
// box on that square one further; a pull drags the box on the far side of the
// keeper into the square the keeper leaves. False, with nothing changed, when the
// squares do not allow it.
bool TTrialPlay::Walk(int dir, int sign, Carry carry) {
    const int keeper = KeeperPos_;
    const int to = Neighbour(keeper, dir, sign);
    if (to < 0) {
        return false;
    }
    TrialCode& target = Cells_[static_cast<std::size_t>(to)];
    TrialCode& here = Cells_[static_cast<std::size_t>(keeper)];
    if (carry == Carry::Push) {
        const int beyond = Neighbour(keeper, dir, 2 * sign);
        if (!IsBoxCode(target) || beyond < 0 ||
            !IsFreeCode(Cells_[static_cast<std::size_t>(beyond)])) {
            return false;
        }
        TrialCode& far = Cells_[static_cast<std::size_t>(beyond)];
        far = WithBox(far);
        target = WithKeeper(target);
        here = Vacated(here);
    } else {
        const int behind = carry == Carry::Pull ? Neighbour(keeper, dir, -sign) : -1;
        if (!IsFreeCode(target) ||
            (carry == Carry::Pull &&
             (behind < 0 || !IsBoxCode(Cells_[static_cast<std::size_t>(behind)])))) {
            return false;
        }
        if (carry == Carry::Pull) {
            TrialCode& pulled = Cells_[static_cast<std::size_t>(behind)];
            pulled = Vacated(pulled);
            here = WithBox(here);
        } else {
            here = Vacated(here);
        }
        target = WithKeeper(target);
    }
    KeeperPos_ = to;
    return true;
}

// A move played: from the top of the tail onto the end of the record.
void TTrialPlay::Played(char recorded, bool moved) {
    ++MoveCount_;
    PushCount_ += moved;
    Tail_.pop_back();
    Record_.push_back(recorded);
}

// A move taken back: from the end of the record onto the top of the tail.
void TTrialPlay::TakenBack(char move, bool moved) {
    --MoveCount_;
    PushCount_ -= moved;
    Record_.pop_back();
    Tail_.push_back(move);
}

// Forward play: a step, or a push when a box stands ahead, whatever the case.
bool TTrialPlay::StepForward(char move) {
    const int k = LurdDirection(move);
    const int ahead = k < 0 ? -1 : Neighbour(KeeperPos_, k, 1);
    const bool push = ahead >= 0 && IsBoxCode(Cells_[static_cast<std::size_t>(ahead)]);
    if (ahead < 0 || !Walk(k, 1, push ? Carry::Push : Carry::None)) {
        return Fail(move);
    }
    Played(push ? LurdUpper(move) : LurdLower(move), push);
    return true;
}

// A move whose case decides: upper case carries a box the given way. Forward
// (sign 1) it is played from the tail, backward (sign -1) taken back from the record.
bool TTrialPlay::CaseStep(char move, int sign, Carry carry) {
    const int k = LurdDirection(move);
    const bool carries = IsPushChar(move);
    if (k < 0 || !Walk(k, sign, carries ? carry : Carry::None)) {
        return Fail(move);
    }
    sign > 0 ? Played(move, carries) : TakenBack(move, carries);
    return true;
}

// Forward play taken back: the keeper steps back, pulling a pushed box after it.
bool TTrialPlay::StepBack(char move) {
    return CaseStep(move, -1, Carry::Pull);
}

// Reverse play: upper case pulls the box behind the keeper.
bool TTrialPlay::StepForwardReverse(char move) {
    return CaseStep(move, 1, Carry::Pull);
}

// Reverse play taken back: the keeper steps back, pushing a pulled box back.
bool TTrialPlay::StepBackReverse(char move) {
    return CaseStep(move, -1, Carry::Push);
}

void TTrialPlay::ReDo(int n) {
    Run(&TTrialPlay::StepForward, n, true);
}
void TTrialPlay::UnDo(int n) {
    Run(&TTrialPlay::StepBack, n, false);
}
void TTrialPlay::ReDo_BK(int n) {
    Run(&TTrialPlay::StepForwardReverse, n, true);
}
void TTrialPlay::UnDo_BK(int n) {
    Run(&TTrialPlay::StepBackReverse, n, false);
}

void TTrialPlay::PlayOn(int n) {
    Reverse() ? ReDo_BK(n) : ReDo(n);
}

void TTrialPlay::TakeBack(int n) {
    Reverse() ? UnDo_BK(n) : UnDo(n);
}

namespace {

// Reads moves from position count - 1 towards the start with a running offset.
// A push belongs to the group when offset + sign * vector equals the square the
// previous push left expected; the first push starts the group. Returns the
// characters read up to the group's last push, or count without pushes.
int GroupLength(const std::string& moves, int count, int sign) {
    count = std::clamp(count, 0, static_cast<int>(moves.size()));
    Offset at, expected;
    int taken = 0;
    bool pushSeen = false;
    for (int read = 1; read <= count; ++read) {
        const char move = moves[static_cast<std::size_t>(count - read)];
        const Offset v = VectorOf(move);
        if (IsPushChar(move)) {
            const Offset key{at.Row + sign * v.Row, at.Col + sign * v.Col};
            if (pushSeen && !(key == expected)) {
                break;
            }
            taken = read;
            expected = {key.Row + v.Row, key.Col + v.Col};
            pushSeen = true;
        }
        at = {at.Row + v.Row, at.Col + v.Col};
    }
    return pushSeen ? taken : count;
}

} // namespace

// The record (reverse play) or the tail (forward play): pushes read in playing
// order and pulls read backwards.
int TTrialPlay::GetStep(int count) const {
    return GroupLength(Reverse() ? Record_ : Tail_, count, 1);
}

// The tail (reverse play) or the record (forward play): pushes read backwards and
// pulls read in playing order.
int TTrialPlay::GetStep2(int count) const {
    return GroupLength(Reverse() ? Tail_ : Record_, count, -1);
}

void TTrialPlay::UndoStep() {
    const int length = static_cast<int>(Record_.size());
    if (Reverse()) {
        UnDo_BK(GetStep(length));
        return;
    }
    if (UndoMark_ >= 0 && UndoMark_ <= length) {
        UnDo(length - UndoMark_);
    } else {
        UnDo(GetStep2(length));
    }
    UndoMark_ = -1;
}

void TTrialPlay::RedoStep() {
    const int count = static_cast<int>(Tail_.size());
    if (Reverse()) {
        ReDo_BK(GetStep2(count));
    } else {
        ReDo(GetStep(count));
    }
}

// Both report reaching an end only when they got there: a move that failed on the
// way keeps its message.
void TTrialPlay::UndoAll() {
    TakeBack(static_cast<int>(Record_.size()));
    if (Record_.empty()) {
        Show(AtFirstMessage);
    }
}

void TTrialPlay::RedoAll() {
    PlayOn(static_cast<int>(Tail_.size()));
    if (Tail_.empty()) {
        Show(AtLastMessage);
    }
}

void TTrialPlay::UndoMove() {
    TakeBack(1);
}

void TTrialPlay::RedoMove() {
    PlayOn(1);
}

// The redo tail becomes the moves with the first one on top (at most 200000).
void TTrialPlay::SetTail(std::string_view moves) {
    Tail_.clear();
    const std::size_t n = std::min(moves.size(), MaxLurdLength);
    for (std::size_t i = n; i > 0; --i) {
        Tail_.push_back(moves[i - 1]);
    }
}

void TTrialPlay::PlayTyped(char move) {
    SetTail(std::string_view(&move, 1));
    RedoMove();
}

void TTrialPlay::PlayClick(std::string_view moves) {
    SetTail(moves);
    UndoMark_ = static_cast<int>(Record_.size());
    PlayOn(static_cast<int>(Tail_.size()));
}

void TTrialPlay::PlayClipboard(std::string_view text) {
    if (const std::optional<std::string> moves = ReadLurdMoves(text, Reverse())) {
        SetTail(*moves);
    }
    PlayOn(static_cast<int>(Tail_.size()));
}

std::optional<std::string> TTrialPlay::CopyMoves() {
    std::optional<std::string> text = LurdCopyText(Record_);
    if (text) {
        Show(MovesCopiedMessage);
    }
    return text;
}

std::string TTrialPlay::Export(std::string_view levelText, BoardCell levelOffset) {
    std::string text;
    if (Reverse()) {
        text = std::string(ReverseExportHeader) + std::string(levelText) +
               KeeperPlace(levelOffset.Row, levelOffset.Col);
    } else {
        text = levelText;
    }
    if (!Record_.empty()) {
        text += "\n" + Record_ + "\n";
    }
    Show(ExportedMessage);
    return text;
}

} // namespace lodrin
