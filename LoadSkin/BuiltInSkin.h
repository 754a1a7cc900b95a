#pragma once

#include <QImage>

namespace lodrin {

// The floor colour of the built-in skin (also the editor grid's background).
inline constexpr int BuiltInFloorRed = 57, BuiltInFloorGreen = 66, BuiltInFloorBlue = 74;

// Draws the built-in skin as a 420 x 60 strip of seven 60-pixel tiles in
// cell-code order: a plain dark slate floor, a teal goal disc on it, an orange
// box with bevelled edges, the same box in teal on a goal, the keeper, the
// keeper standing on a teal goal mark, and a red brick wall.
QImage DrawBuiltInSkin();

} // namespace lodrin
