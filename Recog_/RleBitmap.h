#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodrin {

// Turns a run-length compressed Windows bitmap (RLE8 or RLE4) into the same picture
// stored uncompressed at 8 bits a pixel, so that the decoder gets a value for every
// pixel: those the codes leave out (skipped by a delta, or after an early end of line
// or of the bitmap) take palette index 0, the background. Nothing when the bytes are
// not a run-length bitmap; an empty text when its headers are broken. Expects a file
// that CheckPictureData accepted; linear in its size and in the picture's.
std::optional<std::string> ExpandRleBitmap(std::string_view bmp);

} // namespace lodrin
