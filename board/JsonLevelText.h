#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// The levels of a JSON file written as level text: every object with a string
// value made of board rows (one per line) gives a level, titled by its "title"
// or "name" and credited to its "author". Nothing when there is none, or when
// the text is not JSON.
std::optional<std::string> LevelTextFromJson(std::string_view json);

} // namespace lodrin
