#pragma once

namespace lodrin {

// The editor's drawing tools; BoxPlacement is the mode in which the left button
// only moves boxes around.
enum class EditTool { SelectTool, WallTool, BoxTool, GoalTool, FloorTool, PlayerTool, BoxPlacement };

} // namespace lodrin
