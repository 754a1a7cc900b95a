#include "Editor_/EditRules.h"

#include "board/CellCode.h"

#include <array>

namespace lodrin {
namespace {

using Row = std::array<std::int32_t, 7>; // by the old code: Floor Goal Box BoxOnGoal Player PlayerOnGoal Wall

constexpr Row WallRow = {Wall, Wall, Wall, Wall, Wall, Wall, Wall};
constexpr Row FloorRow = {Floor, Floor, Floor, Floor, Floor, Floor, Floor};
constexpr Row Unchanged = {Floor, Goal, Box, BoxOnGoal, Player, PlayerOnGoal, Wall};

constexpr Row ClickBox = {Box, BoxOnGoal, BoxOnGoal, Box, Box, BoxOnGoal, Box};
constexpr Row ClickGoal = {Goal, BoxOnGoal, BoxOnGoal, Goal, Goal, BoxOnGoal, Goal};
constexpr Row ClickPlayer = {Player, PlayerOnGoal, Player, PlayerOnGoal, PlayerOnGoal, Player, Player};
constexpr Row ClickPlacement = {Box, BoxOnGoal, Floor, Goal, Box, BoxOnGoal, Wall};

constexpr Row DragBox = {Box, BoxOnGoal, Box, BoxOnGoal, Box, BoxOnGoal, Box};
constexpr Row DragGoal = {Goal, Goal, BoxOnGoal, BoxOnGoal, PlayerOnGoal, PlayerOnGoal, Goal};

std::int32_t Apply(const Row& row, std::int32_t code) {
    return code >= 0 && code < 7 ? row[static_cast<std::size_t>(code)] : code;
}

} // namespace

std::int32_t ClickRule(EditTool tool, std::int32_t code) {
    switch (tool) {
    case EditTool::WallTool: return Apply(WallRow, code);
    case EditTool::BoxTool: return Apply(ClickBox, code);
    case EditTool::GoalTool: return Apply(ClickGoal, code);
    case EditTool::FloorTool: return Apply(FloorRow, code);
    case EditTool::PlayerTool: return Apply(ClickPlayer, code);
    case EditTool::BoxPlacement: return Apply(ClickPlacement, code);
    case EditTool::SelectTool: break;
    }
    return Apply(Unchanged, code);
}

std::int32_t DragRule(EditTool tool, std::int32_t code) {
    switch (tool) {
    case EditTool::WallTool: return Apply(WallRow, code);
    case EditTool::BoxTool: return Apply(DragBox, code);
    case EditTool::GoalTool: return Apply(DragGoal, code);
    case EditTool::FloorTool: return Apply(FloorRow, code);
    default: break;
    }
    return Apply(Unchanged, code);
}

std::int32_t EraseRule(std::int32_t code) {
    return code == BoxOnGoal || code == PlayerOnGoal ? Goal : Floor;
}

} // namespace lodrin
