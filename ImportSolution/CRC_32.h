#pragma once

#include <cstdint>
#include <string_view>

namespace lodrin {

// The standard CRC-32 (IEEE 802.3, zlib) of a byte string, held as a signed 32-bit value.
// An empty string yields 0.
std::int32_t Crc32(std::string_view bytes);

// Continues a running unsigned CRC-32 register over more bytes (start with 0).
std::uint32_t Crc32Update(std::uint32_t crc, std::string_view bytes);

// The unsigned CRC value as the signed 32-bit number with the same bits.
constexpr std::int32_t SignedCrc(std::uint32_t crc) {
    return static_cast<std::int32_t>(crc);
}

} // namespace lodrin
