#pragma once

// Level grids as rows of characters for the checksum tests and the import benchmark: the
// rows joined into a level text, and the straightforward checksum of a grid that the
// allocation-free turned checksum must agree with.

#include "ImportSolution/CRC_32.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin::test {

// The rows joined by line feeds, no line feed after the last.
inline std::string JoinRows(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += (text.empty() ? "" : "\n") + row;
    }
    return text;
}

// The CRC-32 of a grid's characters row after row (the first `cols` characters of each of
// the first `rows` rows), one register over all rows. Zero rows or columns yield 0; short or
// missing rows read as blanks.
inline std::int32_t Crc32Grid(const std::vector<std::string>& grid, int rows, int cols) {
    if (rows <= 0 || cols <= 0) {
        return 0;
    }
    std::uint32_t crc = 0;
    const auto width = static_cast<std::size_t>(cols);
    static const std::string none;
    std::string padded;
    for (std::size_t r = 0; r < static_cast<std::size_t>(rows); ++r) {
        const std::string& row = r < grid.size() ? grid[r] : none;
        if (row.size() >= width) {
            crc = Crc32Update(crc, std::string_view(row).substr(0, width));
        } else {
            padded.assign(row);
            padded.resize(width, ' ');
            crc = Crc32Update(crc, padded);
        }
    }
    return SignedCrc(crc);
}

} // namespace lodrin::test
