#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Whether the text is a one-line solution: not empty, only TAB, space and l u r d L U R D.
bool IsLurdText(std::string_view text);

// The smallest level in which the solution works: the solution is replayed
// backwards from a position with every box on a goal, and every square it uses is
// walled in. Rows of XSB characters ('_' for squares the solution never visits),
// or nothing when the solution cannot be replayed or spans fewer than 3 columns
// and fewer than 3 rows.
std::optional<std::vector<std::string>> LevelFromLurd(std::string_view text);

} // namespace lodrin
