#pragma once

#include <Qt>

namespace lodrin {

// The state of the modifier keys at the moment a command runs (Ctrl at a
// click picks reverse play): the seam that tests set by hand.
class TModifierState {
public:
    virtual ~TModifierState() = default;
    virtual Qt::KeyboardModifiers Current() const = 0;
    bool CtrlDown() const { return Current().testFlag(Qt::ControlModifier); }
    bool ShiftDown() const { return Current().testFlag(Qt::ShiftModifier); }
};

// The keyboard's modifier state as the window system reports it now.
class TQtModifierState final : public TModifierState {
public:
    Qt::KeyboardModifiers Current() const override;
};

} // namespace lodrin
