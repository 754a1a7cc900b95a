#pragma once

#include "Recog_/PictureCheck.h"
#include "Recog_/RecogState.h"
#include "Recog_/RgbPicture.h"

#include <QByteArray>
#include <QImage>

#include <string>
#include <string_view>

namespace lodrin {

// The colour transparent pixels are laid over when a picture becomes plain RGB: white.
inline constexpr Rgb TransparentBackground{255, 255, 255};

// Decoders never allocate more than this for one picture (megabytes). The declared size
// limits come first; this catches what they cannot see.
inline constexpr int PictureAllocationLimitMb = 320;

// The outcome of reading a picture: the picture, or the problem that stopped it.
struct PictureLoadResult {
    RgbPicture Picture; // empty unless Problem is None
    PictureProblem Problem = PictureProblem::None;
    bool Ok() const { return Problem == PictureProblem::None; }
    // The message the window shows when reading failed.
    std::string_view Message() const { return PictureProblemMessage(Problem); }
};

// Reads a picture file (UTF-8 path); the format follows the extension, not the content.
PictureLoadResult LoadPictureFile(const std::string& path);

// Decodes the bytes of a picture file of the given format: header checks, then the decoder.
PictureLoadResult DecodePictureData(PictureFormat format, const QByteArray& bytes);

// Reads a picture file into the state (zoom 1, default frame, empty recognition). On failure
// returns the problem and leaves picture, zoom, frame and recognition as they were.
PictureProblem OpenPictureFile(TRecogState& state, const std::string& path);

// A picture as 8-bit RGB; transparent pixels are composited over TransparentBackground.
RgbPicture RgbPictureFromImage(const QImage& image);

// A read-only QImage over the picture's pixels, valid while the picture lives unchanged.
QImage WrapPicture(const RgbPicture& picture);

} // namespace lodrin
