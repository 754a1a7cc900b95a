#pragma once

#include <atomic>
#include <cstdint>
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

// The largest level file the editor reads.
inline constexpr std::uintmax_t MaxLevelFileBytes = std::uintmax_t{256} << 20;

// How reading a level file's bytes ended.
enum class FileBytesResult { Ok, Unreadable, TooLarge, Stopped };

// Reads a whole regular file (name in UTF-8) of at most maxBytes into bytes.
// Folders, devices and pipes are unreadable. A set stop flag ends the read early.
FileBytesResult ReadLevelFileBytes(std::string_view fileName, std::uintmax_t maxBytes,
                                   std::string& bytes, const std::atomic<bool>* stop = nullptr);

} // namespace lodrin
