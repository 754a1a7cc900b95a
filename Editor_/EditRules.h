#pragma once

#include "Editor_/EditTool.h"

#include <cstdint>

namespace lodrin {

// The code a left click with the tool gives a cell holding `code`.
std::int32_t ClickRule(EditTool tool, std::int32_t code);

// The code a drag step of the tool gives a cell holding `code`.
std::int32_t DragRule(EditTool tool, std::int32_t code);

// The code the right button leaves: Goal under a box or keeper on a goal, else Floor.
std::int32_t EraseRule(std::int32_t code);

} // namespace lodrin
