#pragma once

#include <QPoint>
#include <QWheelEvent>

namespace lodrin {

// Whole notches of a mouse wheel. Wheels and touch pads report their turns in eighths of a
// degree, 120 to a notch; what a turn leaves over waits for the next one.
class TWheelNotches {
public:
    static constexpr int Notch = 120;

    // Adds a turn and gives the whole notches now complete: positive away from the user.
    int Take(int delta) {
        Rest_ += delta;
        const int notches = Rest_ / Notch;
        Rest_ -= notches * Notch;
        return notches;
    }

private:
    int Rest_ = 0;
};

// The turn of a wheel event: the vertical one, or the horizontal one when there is none.
inline int WheelTurn(const QWheelEvent& event) {
    const QPoint delta = event.angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}

} // namespace lodrin
