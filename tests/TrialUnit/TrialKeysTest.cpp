// The key tables of the trial field: which key, on which edge and with which
// modifiers, asks for what.

#include "TrialUnit/TrialKeys.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using A = TrialAction;
using K = TrialKey;

constexpr TrialModifiers None{};
constexpr TrialModifiers Ctrl{true, false, false};
constexpr TrialModifiers Alt{false, true, false};
constexpr TrialModifiers Shift{false, false, true};

struct KeyCase {
    bool Down;
    TrialKey Key;
    TrialModifiers Modifiers;
    TrialCommand Expected;
};

TEST(TrialKeys, EveryRowOfBothTables) {
    const KeyCase cases[] = {
        // Key down: the arrows as typed moves, upper case with Ctrl; E shows odd/even.
        {true, K::Left, None, {A::TypedMove, 'l'}},
        {true, K::Up, Shift, {A::TypedMove, 'u'}},
        {true, K::Right, Alt, {A::TypedMove, 'r'}},
        {true, K::Down, None, {A::TypedMove, 'd'}},
        {true, K::Left, Ctrl, {A::TypedMove, 'L'}},
        {true, K::Down, Ctrl, {A::TypedMove, 'D'}},
        {true, K::E, Ctrl, {A::OddEvenOn}},
        {true, K::Z, None, {}},
        {true, K::Slash, None, {}},
        // Key up: everything else.
        {false, K::Left, None, {}},
        {false, K::E, Shift, {A::OddEvenOff}},
        {false, K::Z, Ctrl, {A::UndoStep}},
        {false, K::Backspace, None, {A::UndoStep}},
        {false, K::X, Alt, {A::RedoStep}},
        {false, K::Space, None, {A::RedoStep}},
        {false, K::Enter, None, {A::RedoStep}},
        {false, K::Space, Shift, {}},
        {false, K::Enter, Ctrl, {}},
        {false, K::Space, Alt, {}},
        {false, K::A, None, {A::UndoMove}},
        {false, K::S, Ctrl, {A::RedoMove}},
        {false, K::Escape, None, {A::UndoAll}},
        {false, K::Home, None, {A::UndoAll}},
        {false, K::End, Shift, {A::RedoAll}},
        {false, K::G, None, {A::ToggleGoThrough}},
        {false, K::C, Ctrl, {A::Export}},
        {false, K::C, None, {}},
        {false, K::L, Ctrl, {A::PasteMoves}},
        {false, K::L, Shift, {}},
        {false, K::M, Ctrl, {A::CopyMoves}},
        {false, K::M, None, {}},
        {false, K::Q, Ctrl, {A::Close}},
        {false, K::Q, None, {}},
        {false, K::Eight, None, {A::TurnReset}},
        {false, K::Asterisk, Shift, {A::TurnReset}},
        {false, K::Slash, None, {A::TurnNext}},
        {false, K::Other, Ctrl, {}},
    };
    for (const KeyCase& c : cases) {
        const TrialCommand got =
            c.Down ? TrialKeyDown(c.Key, c.Modifiers) : TrialKeyUp(c.Key, c.Modifiers);
        EXPECT_EQ(got, c.Expected) << (c.Down ? "down " : "up ") << static_cast<int>(c.Key)
                                   << " ctrl " << c.Modifiers.Ctrl;
    }
}

TEST(TrialKeys, WheelUpRedoesAndDownUndoes) {
    EXPECT_EQ(TrialWheel(true), (TrialCommand{A::RedoStep}));
    EXPECT_EQ(TrialWheel(false), (TrialCommand{A::UndoStep}));
}

} // namespace
} // namespace lodrin
