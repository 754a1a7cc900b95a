#pragma once

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

// Decodes any complete bitmap of at most 4096 x 4096 pixels for the chooser's
// preview, so a file of the wrong size is still shown; larger files give a null
// picture without being decoded.
QImage ReadSkinPreview(const std::string& path);

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
