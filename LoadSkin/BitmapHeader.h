#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class QFile;
class QImageReader;

namespace lodrin {

// Bytes at the start of a Windows bitmap file that hold every header field read here.
inline constexpr int BitmapHeaderBytes = 14 + 124;

// What the headers of a Windows bitmap file say about its pixel rows, read
// without decoding them. The picture decoder fills rows it finds no data for
// with whatever memory held, so a bitmap is only decoded when it is Complete.
struct BitmapHeader {
    // An uncompressed (or bit-field) bitmap with 1, 4, 8, 16, 24 or 32 bits per
    // pixel whose rows all lie inside the file, or a run-length compressed one
    // (RLE8, RLE4) whose codes reach their end mark inside the file.
    bool Complete = false;
    int Width = 0;
    int Height = 0; // rows, whether stored bottom-up or top-down
    // Run-length compressed: the codes start at CodesStart, 4 bits a pixel when
    // RunLength4. The codes may leave pixels out, which the decoder does not fill.
    bool RunLength = false;
    bool RunLength4 = false;
    std::int64_t CodesStart = 0;
};

// Largest run-length compressed file whose codes are checked; larger ones are refused.
inline constexpr std::int64_t MaxRunLengthFileBytes = 64LL << 20;

// Reads the headers from the first bytes of a file (up to BitmapHeaderBytes of
// them) and checks the pixel rows against the whole file's size in bytes. A
// run-length compressed bitmap is not Complete until its codes were checked
// (CheckRunLengthFile).
BitmapHeader ReadBitmapHeader(std::string_view head, std::int64_t fileSize);

// Completes the header of a run-length compressed bitmap from the whole file:
// Complete when its codes, from CodesStart, reach the end-of-bitmap mark inside it.
void CheckRunLengthFile(std::string_view file, BitmapHeader& header);

// Opens the file at path (UTF-8), reads its bitmap headers and sets reader to
// decode the file as a Windows bitmap and as nothing else, whatever its content
// looks like. The header is incomplete when the file cannot be opened or the
// reader sees another size in it.
BitmapHeader OpenBitmapFile(const std::string& path, QFile& file, QImageReader& reader);

} // namespace lodrin
