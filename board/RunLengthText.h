#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// How writing out the counts of a run-length text ended.
enum class RunResult { Ok, Malformed, TooLong };

// Writes out the counts of a run-length text into out: a number repeats the
// character or the bracketed group after it ("3#" is "###", "2(#-)" is "#-#-").
// Malformed: a number with nothing after it, an unmatched bracket or brackets
// nested too deep. TooLong: out would grow past limit characters.
RunResult ExpandRuns(std::string_view text, std::size_t limit, std::string& out);

// The text with every run-length board line ("3#|#@$.#|3#": counts, rows split
// by '|') replaced by its rows, one per line; other lines stay as they are.
// Nothing when no line is one. Expansion stops once the text has grown to
// sixteen times its size and a megabyte, or to 64 megabytes; the lines after
// that stay as they are.
std::optional<std::string> ExpandRunLengthLevels(std::string_view text);

// A one-line solution with counts ("2r3U" is "rrUUU") written out, or nothing
// when the line is not one or would hold more than the move limit.
std::optional<std::string> ExpandRunLengthLurd(std::string_view line);

} // namespace lodrin
