#pragma once

// Old stores for the importer's tests: the programs that read them, and copies of the
// shared fixtures with one row's solution made long or the file damaged.

#include "ImportSolution/OldStore.h"
#include "ImportSolution/OldStoreReader.h"
#include "support/SharedData.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace lodrin::test {

// LodrinSolutions itself as the reader child, as the program starts it.
inline OldStoreReaderCommand RealOldStoreReader() {
    return {{LODRIN_SOLUTIONS_PROGRAM, ReadOldStoreOption}, {}, {}};
}

// The test reader that misbehaves in the given way (see FakeOldStoreReader.cpp).
inline OldStoreReaderCommand FakeOldStoreReader(const std::string& mode) {
    return {{LODRIN_FAKE_OLD_STORE_READER, mode}, {}, {}};
}

inline std::filesystem::path OldFixture(const char* name) {
    return SharedDir() / "fixtures" / name;
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The copy of old_store.mdb that hangs libmdb's catalog reader: one record length in a
// property block set from 0x25 to 0.
inline std::string DamagedOldStoreBytes() {
    std::string bytes = ReadFileBytes(OldFixture("old_store.mdb"));
    if (bytes.size() > 0x17e9c) {
        bytes[0x17e9c] = '\0';
    }
    return bytes;
}

namespace detail {

inline void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

// A long-value page of a Jet 4 file holding one record: the pointer to the next record
// of the chain, then a piece of the value.
inline std::string LvalPage(std::string_view piece, std::uint32_t next) {
    constexpr std::size_t PageSize = 4096;
    std::string page(PageSize, '\0');
    page[0] = 0x01; // a data page
    page[1] = 0x01;
    page.replace(4, 4, "LVAL");
    page[12] = 1; // one record, its offset in the table that follows
    const std::size_t start = PageSize - 4 - piece.size();
    page[14] = static_cast<char>(start & 0xFF);
    page[15] = static_cast<char>(start >> 8);
    PutLe32(page, start, next);
    page.replace(start + 4, piece.size(), piece);
    return page;
}

} // namespace detail

// The bytes of old_store.mdb with the solution of the row that holds `solution` replaced
// by `text` (ASCII), kept as UCS-2 in a chain of long-value pages added to the file. Only
// the first `chainBytes` bytes of it are put into the chain (all when 0), while the
// memo's header always claims the whole: less makes a broken memo. Empty when the
// fixture or the row is missing.
inline std::string OldStoreWithLongSolution(std::string_view solution, std::string_view text,
                                            std::size_t chainBytes = 0) {
    std::string bytes = ReadFileBytes(OldFixture("old_store.mdb"));
    // The short solutions are stored compressed, inline after a 12-byte memo header.
    const std::size_t found = bytes.find("\xff\xfe" + std::string(solution));
    if (found == std::string::npos || found < 12 || bytes.size() % 4096 != 0) {
        return {};
    }
    std::string stored;
    for (const char ch : text) {
        stored += ch;
        stored += '\0';
    }
    const std::size_t chain = chainBytes == 0 ? stored.size() : chainBytes;
    constexpr std::size_t PieceSize = 4076;
    const auto firstPage = static_cast<std::uint32_t>(bytes.size() / 4096);
    const std::size_t pages = (chain + PieceSize - 1) / PieceSize;
    for (std::size_t k = 0; k < pages; ++k) {
        const std::string_view piece = std::string_view(stored).substr(k * PieceSize, PieceSize);
        const auto next = k + 1 < pages ? (firstPage + static_cast<std::uint32_t>(k) + 1) << 8 : 0;
        bytes +=
            detail::LvalPage(piece.substr(0, std::min(piece.size(), chain - k * PieceSize)), next);
    }
    const std::size_t header = found - 12;
    detail::PutLe32(bytes, header, static_cast<std::uint32_t>(stored.size())); // in many pages
    detail::PutLe32(bytes, header + 4, firstPage << 8);
    detail::PutLe32(bytes, header + 8, 0);
    return bytes;
}

} // namespace lodrin::test
