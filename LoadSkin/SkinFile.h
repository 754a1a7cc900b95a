#pragma once

#include "LoadSkin/SkinFileInfo.h"
#include "LoadSkin/SkinTiles.h"

#include <QImage>

#include <string>

namespace lodrin {

// Decodes the skin file at path (UTF-8) as a 32-bit picture, for the chooser's
// preview and for loading. Gives a null picture when the file is missing, is
// not a complete Windows bitmap, or is larger than the largest skin
// (800 x 400): such a file is never decoded, and the decoder may not allocate
// more than the largest skin needs.
QImage ReadSkinPicture(const std::string& path);

// Largest side of a bitmap the chooser decodes for its preview.
inline constexpr int MaxSkinPreviewSide = 4096;

// What the skin chooser shows of a clicked file, read with one opening of it.
struct SkinPreview {
    SkinFileInfo Info; // from the headers
    QImage Picture;    // 32-bit; null when the file is not Readable or is too large
    // Whether the chooser may confirm the file: it gives a skin and could be decoded.
    bool Confirmable() const { return Info.Usable() && !Picture.isNull(); }
};

// Reads the headers of the file at path (UTF-8) and decodes any complete bitmap of
// at most 4096 x 4096 pixels, so a file of the wrong size is still shown; larger
// files are described without being decoded.
SkinPreview ReadSkinPreview(const std::string& path);

// Fills tiles from a decoded skin picture (two rows of four tiles: floor,
// keeper, box, wall; goal, keeper on goal, box on goal, wall extension): the
// tiles, the grid colour and flags from the floor tile, the darkened tiles,
// seamless detection and, for seamless walls, the wall pieces. Returns false,
// leaving tiles as they were, when the picture breaks the size rule.
bool CutSkinPicture(const QImage& picture, SkinTiles& tiles);

// Fills tiles from the skin file at path (UTF-8). Returns false, leaving tiles
// as they were, when the file does not exist, cannot be read as a bitmap or
// breaks the size rule.
bool LoadSkinFile(const std::string& path, SkinTiles& tiles);

} // namespace lodrin
