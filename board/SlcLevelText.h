#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// The levels of a SokobanLevels XML file (".slc") written as level text: each
// level's rows (its L elements), then its Id as the title and its copyright (or
// the collection's) as the author. Nothing when the text holds no such level.
std::optional<std::string> LevelTextFromSlc(std::string_view xml);

} // namespace lodrin
