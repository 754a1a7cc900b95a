#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// The standard CRC-32 (IEEE 802.3, zlib) of a byte string, held as a signed 32-bit value.
// An empty string yields 0.
std::int32_t Crc32(std::string_view bytes);

// The CRC-32 of a grid's characters row after row (the first `cols` characters of each
// of the first `rows` rows), one register over all rows. Zero rows or columns yield 0;
// short or missing rows read as blanks.
std::int32_t Crc32Grid(const std::vector<std::string>& grid, int rows, int cols);

// Continues a running unsigned CRC-32 register over more bytes (start with 0).
std::uint32_t Crc32Update(std::uint32_t crc, std::string_view bytes);

// The unsigned CRC value as the signed 32-bit number with the same bits.
constexpr std::int32_t SignedCrc(std::uint32_t crc) {
    return static_cast<std::int32_t>(crc);
}

} // namespace lodrin
