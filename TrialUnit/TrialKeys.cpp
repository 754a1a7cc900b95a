#include "TrialUnit/TrialKeys.h"

namespace lodrin {
namespace {

// What a modifier row asks: any state, Ctrl held, or none of Ctrl, Alt and Shift.
enum class Needs { Any, Ctrl, NoModifier };

struct KeyRow {
    TrialKey Key;
    Needs Modifiers;
    TrialAction Action;
};

constexpr KeyRow KeyUpTable[] = {
    {TrialKey::E, Needs::Any, TrialAction::OddEvenOff},
    {TrialKey::Z, Needs::Any, TrialAction::UndoStep},
    {TrialKey::Backspace, Needs::Any, TrialAction::UndoStep},
    {TrialKey::X, Needs::Any, TrialAction::RedoStep},
    {TrialKey::Space, Needs::NoModifier, TrialAction::RedoStep},
    {TrialKey::Enter, Needs::NoModifier, TrialAction::RedoStep},
    {TrialKey::A, Needs::Any, TrialAction::UndoMove},
    {TrialKey::S, Needs::Any, TrialAction::RedoMove},
    {TrialKey::Escape, Needs::Any, TrialAction::UndoAll},
    {TrialKey::Home, Needs::Any, TrialAction::UndoAll},
    {TrialKey::End, Needs::Any, TrialAction::RedoAll},
    {TrialKey::G, Needs::Any, TrialAction::ToggleGoThrough},
    {TrialKey::C, Needs::Ctrl, TrialAction::Export},
    {TrialKey::L, Needs::Ctrl, TrialAction::PasteMoves},
    {TrialKey::M, Needs::Ctrl, TrialAction::CopyMoves},
    {TrialKey::Q, Needs::Ctrl, TrialAction::Close},
    {TrialKey::Eight, Needs::Any, TrialAction::TurnReset},
    {TrialKey::Asterisk, Needs::Any, TrialAction::TurnReset},
    {TrialKey::Slash, Needs::Any, TrialAction::TurnNext},
};

bool Meets(Needs needs, TrialModifiers m) {
    switch (needs) {
    case Needs::Ctrl:
        return m.Ctrl;
    case Needs::NoModifier:
        return !m.Ctrl && !m.Alt && !m.Shift;
    case Needs::Any:
        break;
    }
    return true;
}

// The view direction of an arrow key, or 0.
char ArrowMove(TrialKey key) {
    switch (key) {
    case TrialKey::Left:
        return 'l';
    case TrialKey::Up:
        return 'u';
    case TrialKey::Right:
        return 'r';
    case TrialKey::Down:
        return 'd';
    default:
        return 0;
    }
}

} // namespace

TrialCommand TrialKeyDown(TrialKey key, TrialModifiers modifiers) {
    if (key == TrialKey::E) {
        return {TrialAction::OddEvenOn};
    }
    const char move = ArrowMove(key);
    if (move == 0) {
        return {};
    }
    return {TrialAction::TypedMove, modifiers.Ctrl ? static_cast<char>(move - 'a' + 'A') : move};
}

TrialCommand TrialKeyUp(TrialKey key, TrialModifiers modifiers) {
    for (const KeyRow& row : KeyUpTable) {
        if (row.Key == key && Meets(row.Modifiers, modifiers)) {
            return {row.Action};
        }
    }
    return {};
}

TrialCommand TrialWheel(bool up) {
    return {up ? TrialAction::RedoStep : TrialAction::UndoStep};
}

} // namespace lodrin
