#pragma once

#include "ImportSolution/OldStoreStream.h"

#include <cstddef>
#include <string>

namespace lodrin {

// The program option that makes the importer a reader child of itself:
//   LodrinSolutions --read-old-store PATH
inline constexpr const char* ReadOldStoreOption = "--read-old-store";

// How much text libmdb may hand over for one value; a solution that reaches this
// size may have been cut, so its row is counted and left out. Whole solutions fit a
// row message of the stream.
inline constexpr std::size_t OldStoreBindSize = MaxStreamText;

// Whether a solution text of `length` bytes, read from a memo whose header holds
// `storedBytes` (the text as stored: UCS-2, or one byte a character when compressed),
// is certainly whole: it does not reach the end of libmdb's buffer, and it is long
// enough for the bytes stored (libmdb hands over what it has of a broken memo).
bool IsMemoTextWhole(std::size_t length, std::size_t storedBytes, std::size_t bindSize);

// Reads Tab_Solution of the old store at `path` with libmdb and writes it on descriptor
// `fd` as the reader's stream: the row count, one message per row, then the end, or a
// failure with its reason. Returns the exit code of the reader process.
int RunOldStoreReader(const std::string& path, int fd);

} // namespace lodrin
