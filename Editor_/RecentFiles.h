#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lodrin {

// How many opened files the editor remembers.
inline constexpr std::size_t MaxRecentFiles = 10;

// The list of recently opened files after opening `path`: it comes first, an
// earlier place of it is dropped, and the list keeps at most MaxRecentFiles.
std::vector<std::string> AddRecentFile(std::vector<std::string> recent, const std::string& path);

} // namespace lodrin
