#pragma once

#include <string>
#include <string_view>

namespace lodrin {

// The file name Save writes: a name without an extension, or with only ".",
// gets ".xsb".
std::string FixLevelFileName(std::string_view fileName);

// Whether a file (or anything else) exists under the name.
bool LevelFileExists(std::string_view fileName);

// Writes the level text followed by CR LF. The bytes go to a temporary file in
// the same folder that replaces the target only once it is complete, so a
// failed save leaves the previous file intact. Returns whether it succeeded.
bool SaveLevelFile(std::string_view fileName, std::string_view levelText);

} // namespace lodrin
