#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// The moves a clipboard text holds for the trial field, first move first.
// Forward play takes the part before a "[" position mark, reverse play the part
// after it. Nothing when it holds more than 200000 moves: the caller then keeps
// its redo tail as it was.
std::optional<std::string> ReadLurdMoves(std::string_view text, bool reverse);

// The clipboard text for the recorded moves, or nothing for an empty record.
std::optional<std::string> LurdCopyText(std::string_view record);

} // namespace lodrin
