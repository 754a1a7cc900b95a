#pragma once

#include "LoadSkin/SkinTiles.h"

namespace lodrin {

// Whether a skin has seamless walls: its wall extension differs from the wall
// tile somewhere along the first a div 2 + 1 pixels of the top row.
bool IsSeamlessWall(const QImage& wall, const QImage& wallExtension, int tileSize);

// Builds the 14 wall pieces and the corner piece from the wall tile W and the
// wall extension E, a x a each. With q = a div 4, each piece is W or E with
// bands of width q along its sides (and q x q corners) taken from W's second
// band or from pieces built before it, so a wall continues without a seam into
// every neighbouring wall square named by the mask.
void BuildWallPieces(SkinTiles& tiles);

// Drops the wall pieces and the corner piece of a skin without seamless walls.
void ClearWallPieces(SkinTiles& tiles);

} // namespace lodrin
