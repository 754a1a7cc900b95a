#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lodrin {

// The picture formats the recognition window opens.
enum class PictureFormat { Jpeg, Bmp, Png };

// The format a file name asks for by its extension (.jpg, .jpeg, .bmp, .png, any case).
std::optional<PictureFormat> PictureFormatOfName(std::string_view fileName);

// Largest picture side and pixel count a file may declare; larger pictures are refused
// before anything is decoded (an 8K screenshot, 7680 x 4320, fits).
inline constexpr int MaxPictureSide = 16384;
inline constexpr std::int64_t MaxPicturePixels = 36'000'000;
// Largest picture file read.
inline constexpr std::int64_t MaxPictureFileBytes = 256LL * 1024 * 1024;

// Why a picture cannot be opened.
enum class PictureProblem {
    None,
    UnknownFormat, // the extension is none of the picture formats
    Unreadable,    // the file cannot be opened or read
    Corrupt,       // damaged, or not in the format its extension names
    Truncated,     // the file ends before the picture does
    ZeroSize,      // a width or height of 0
    TooLarge,      // the declared size exceeds the limits
    OutOfMemory,   // the decoded picture does not fit in memory
};

// The problem of a declared picture size: ZeroSize for a side of 0, TooLarge beyond the
// limits, else None. Sides must not be negative.
PictureProblem PictureSizeProblem(std::int64_t width, std::int64_t height);

// The message the window shows for a problem (empty for None).
std::string_view PictureProblemMessage(PictureProblem problem);

// What the header of a picture file declares, and whether the file holds all of it.
struct PictureHeader {
    PictureProblem Problem = PictureProblem::None;
    int Width = 0;
    int Height = 0;
};

// Walks the RLE8 (or, with rle4, RLE4) codes of a Windows bitmap file from byte `start`:
// None when they reach their end-of-bitmap mark inside the file, Truncated otherwise.
// Linear in the input; reads nothing past its end.
PictureProblem CheckRunLengthCodes(std::string_view bytes, std::size_t start, bool rle4);

// Checks the bytes of a picture file in the given format without decoding the pixels:
// the signature, the declared size against the limits, and that the file is complete
// (PNG chunks up to IEND, JPEG segments and scans up to EOI, BMP pixel data or RLE codes to
// the end-of-bitmap mark). Linear in the input; reads nothing past its end.
PictureHeader CheckPictureData(PictureFormat format, std::string_view bytes);

} // namespace lodrin
