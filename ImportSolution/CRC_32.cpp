#include "ImportSolution/CRC_32.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace lodrin {

std::uint32_t Crc32Update(std::uint32_t crc, std::string_view bytes) {
    // zlib takes at most UINT_MAX bytes per call.
    while (!bytes.empty()) {
        const std::size_t n = std::min<std::size_t>(bytes.size(), UINT_MAX);
        crc = static_cast<std::uint32_t>(
            crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(n)));
        bytes.remove_prefix(n);
    }
    return crc;
}

std::int32_t Crc32(std::string_view bytes) {
    return SignedCrc(Crc32Update(0, bytes));
}

std::int32_t Crc32Grid(const std::vector<std::string>& grid, int rows, int cols) {
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

} // namespace lodrin
