#pragma once

namespace lodrin {

// The keys the trial field acts on, whichever keyboard they come from: Eight is
// the 8 of the main keyboard, Asterisk the numeric pad's * (or the shifted 8),
// Slash the / of either keyboard.
enum class TrialKey {
    Other,
    Left,
    Up,
    Right,
    Down,
    E,
    Z,
    Backspace,
    X,
    Space,
    Enter,
    A,
    S,
    Escape,
    Home,
    End,
    G,
    C,
    L,
    M,
    Q,
    Eight,
    Asterisk,
    Slash,
};

// The modifier keys held at a key event.
struct TrialModifiers {
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
};

// What a key, a button, the wheel or the turn panel asks of the trial field.
enum class TrialAction {
    None,
    TypedMove,       // one move in a view direction (TrialCommand::Move)
    OddEvenOn,       // E or bt_OddEven held
    OddEvenOff,      // E or bt_OddEven released
    UndoStep,        // bt_UnDo
    RedoStep,        // bt_ReDo
    UndoMove,        // one move back
    RedoMove,        // one move on
    UndoAll,         // back to the start, "已至首！"
    RedoAll,         // on to the end, "已至尾！"
    ToggleGoThrough, // bt_GoThrough
    TurnReset,       // back to turn 0
    TurnNext,        // the next turn, 7 wraps to 0
    TurnPrevious,    // the previous turn, 0 wraps to 7
    // The rest need the window: the clipboard, or closing.
    Export,     // bt_Save
    PasteMoves, // the moves on the clipboard, played
    CopyMoves,  // the moves played, to the clipboard
    Close,      // bt_Exit
};

// An action with the move it plays: l u r d, or L U R D with Ctrl, as seen on the
// view (the trial field turns it to the board's direction).
struct TrialCommand {
    TrialAction Action = TrialAction::None;
    char Move = 0;
    friend bool operator==(const TrialCommand&, const TrialCommand&) = default;
};

// The command of a key going down: the arrows and E.
TrialCommand TrialKeyDown(TrialKey key, TrialModifiers modifiers);

// The command of a key coming up: every other key of the trial field.
TrialCommand TrialKeyUp(TrialKey key, TrialModifiers modifiers);

// The command of one step of the wheel: up redoes, down undoes.
TrialCommand TrialWheel(bool up);

} // namespace lodrin
