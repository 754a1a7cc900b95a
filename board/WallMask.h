#pragma once

namespace lodrin {

// Bits of a wall square's mask: which of its neighbours on the screen are walls too.
enum WallMaskBit : int {
    WallOnLeft = 1,
    WallAbove = 2,
    WallOnRight = 4,
    WallBelow = 8,
    // The square is the lower-right one of a 2 x 2 block of walls.
    WallBlockCorner = 16,
};
inline constexpr int WallMaskCount = 16;

// The wall mask of a square from a test of the squares around it on the screen:
// wallAt(dx, dy) tells whether the square dx columns right and dy rows down is a
// wall. WallBlockCorner needs the walls on the left, above and up and to the left.
template <typename WallAt> constexpr int WallMaskOf(WallAt wallAt) {
    int mask = (wallAt(-1, 0) ? WallOnLeft : 0) | (wallAt(0, -1) ? WallAbove : 0) |
               (wallAt(1, 0) ? WallOnRight : 0) | (wallAt(0, 1) ? WallBelow : 0);
    const int block = WallOnLeft | WallAbove;
    if ((mask & block) == block && wallAt(-1, -1)) {
        mask |= WallBlockCorner;
    }
    return mask;
}

} // namespace lodrin
