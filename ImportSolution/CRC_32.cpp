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

} // namespace lodrin
