#pragma once

#include "board/Board.h"

#include <cstdint>

namespace lodrin {

// Squares the trial field keeps: at most 100 x 100.
inline constexpr int TrialMaxCells = BoardSize * BoardSize;

// A square of the trial field's own board copy, as the trial play changes it and
// the path finder reads it. The numbers are those of the trial cell array.
enum class TrialCode : std::int32_t {
    Nothing = 0, // outside the level, drawn as background
    Wall = 1,
    Floor = 2,
    Goal = 3,
    Box = 4,
    BoxOnGoal = 5,
    Keeper = 6,
    KeeperOnGoal = 7,
};

// Floor or goal: the keeper may step there and a box may be moved there.
constexpr bool IsFreeCode(TrialCode code) {
    return code == TrialCode::Floor || code == TrialCode::Goal;
}
// A box, on a goal or not.
constexpr bool IsBoxCode(TrialCode code) {
    return code == TrialCode::Box || code == TrialCode::BoxOnGoal;
}
// The keeper, on a goal or not.
constexpr bool IsKeeperCode(TrialCode code) {
    return code == TrialCode::Keeper || code == TrialCode::KeeperOnGoal;
}
// Nothing or wall: neither keeper nor box ever gets there.
constexpr bool IsBlockingCode(TrialCode code) {
    return code == TrialCode::Nothing || code == TrialCode::Wall;
}
// Whether the square is a goal under whatever stands on it.
constexpr bool IsGoalCode(TrialCode code) {
    return code == TrialCode::Goal || code == TrialCode::BoxOnGoal ||
           code == TrialCode::KeeperOnGoal;
}

// The free square a box or the keeper leaves behind: floor or goal.
constexpr TrialCode Vacated(TrialCode code) {
    return IsGoalCode(code) ? TrialCode::Goal : TrialCode::Floor;
}
// A free square with a box moved onto it.
constexpr TrialCode WithBox(TrialCode code) {
    return IsGoalCode(code) ? TrialCode::BoxOnGoal : TrialCode::Box;
}
// A free square with the keeper stepped onto it.
constexpr TrialCode WithKeeper(TrialCode code) {
    return IsGoalCode(code) ? TrialCode::KeeperOnGoal : TrialCode::Keeper;
}

} // namespace lodrin
